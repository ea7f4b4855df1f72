#pragma once

#include <string>

#include "engine/Notation.h"

// What reading and writing the notation share: the parser measures a term by its written form.
namespace kelvane::notation {

// How tightly an operator binds; numbers and dice bind tightest.
[[nodiscard]] int Precedence(NodeKind kind);

// A term of dice in its canonical form, such as 4d6dl1.
[[nodiscard]] std::string TermNotation(const DiceTerm& term);

}  // namespace kelvane::notation
