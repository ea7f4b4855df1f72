#pragma once

#include <string_view>
#include <variant>
#include <vector>

#include "engine/Notation.h"

namespace kelvane::notation {

// Reads result bands, "10+ Strong hit; 7-9 Weak hit; 6- Miss": the text after "?" up to any
// "#", which stands from the given column on.
[[nodiscard]] std::variant<std::vector<OutcomeRule>, Error> ReadBands(std::string_view text,
                                                                      int column);

}  // namespace kelvane::notation
