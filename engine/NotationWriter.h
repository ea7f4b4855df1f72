#pragma once

#include <string>
#include <vector>

#include "engine/Notation.h"

// What reading and writing the notation share: the parser measures a term by its written form.
namespace kelvane::notation {

// How tightly an operator binds; numbers and dice bind tightest.
[[nodiscard]] int Precedence(NodeKind kind);

// A term of dice in its canonical form, such as 4d6dl1.
[[nodiscard]] std::string TermNotation(const DiceTerm& term);

// One roll of a group in canonical form, such as 4d6 in {4d6, 4d6}kh1.
[[nodiscard]] std::string RollNotation(const Expression& expression, std::size_t group,
                                       std::size_t roll);

// A group in its canonical form from its rolls as written, such as {d8!, d6!}kh1.
[[nodiscard]] std::string GroupNotation(const Group& group, const std::vector<std::string>& rolls);

}  // namespace kelvane::notation
