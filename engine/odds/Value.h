#pragma once

// A value on the evaluation stack of the walk over an expression, and the arithmetic between
// two of them.

#include <optional>

#include "engine/odds/Table.h"

namespace kelvane::odds {

// A value on the evaluation stack: a table when exact, else its mean and variance; the totals
// it can show; and the chance that working it out failed, which the table leaves out.
struct Value {
    std::optional<Pmf> table;
    Moments moments;
    Int least = 0;
    Int most = 0;
    double failure = 0.0;
};

Value Exactly(Pmf table);
Value Roughly(const Moments& moments, Int least, Int most);
Value AlwaysFails();

Moments MomentsOf(const Value& value);

// The value of `left kind right` for two independent values.
Value Combine(NodeKind kind, const Value& left, const Value& right, Budget& budget);

// The value negated: its table reversed, its bounds swapped.
Value Negated(Value value);

}  // namespace kelvane::odds
