#pragma once

#include <optional>
#include <string_view>
#include <variant>

#include "engine/Notation.h"

namespace kelvane::notation {

// Reads a game system's shorthand, such as "bitd 3", "coc 65 b1" or "dnd+5 ac15 adv", letters
// in any case, into the dice it throws and the outcomes it reads from them, without any label.
// Nothing when the text does not begin with a system's name: it is dice notation then.
[[nodiscard]] std::optional<std::variant<Expression, Error>> ParseShorthand(std::string_view text);

}  // namespace kelvane::notation
