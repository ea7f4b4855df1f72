#pragma once

#include "platform/Interface.h"
#include "platform/ListLines.h"

namespace kelvane {

// A list control as the dice engine writes it: emptied, or given lines after its last one.
class ListTarget : Interface {
  public:
    virtual ~ListTarget() = default;

    virtual void RemoveAllItems() = 0;
    // Adds every line of the batch after the last item, in order; the batch is used up.
    virtual void AddItems(ListLines&& lines) = 0;
};

}  // namespace kelvane
