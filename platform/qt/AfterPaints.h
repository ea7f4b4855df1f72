#pragma once

#include <QObject>
#include <functional>

namespace kelvane {

// Runs call on context's thread once the paints already asked for there are done. Qt posts
// paint requests at low priority, so a queued call of the usual priority would run ahead of
// them. Nothing runs if context goes first.
void CallAfterPaints(QObject& context, std::function<void()> call);

}  // namespace kelvane
