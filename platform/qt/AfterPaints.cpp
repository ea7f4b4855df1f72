#include "AfterPaints.h"

#include <QCoreApplication>
#include <QEvent>
#include <utility>

namespace kelvane {

namespace {

QEvent::Type CallEventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

// Holds the call as a child of its context, so that it goes with the context, and runs it when
// its low-priority event comes.
class AfterPaintsCall final : public QObject {
  public:
    AfterPaintsCall(QObject& context, std::function<void()> call)
        : QObject(&context), call_(std::move(call)) {}

  protected:
    void customEvent(QEvent* event) override {
        if (event->type() == CallEventType()) {
            deleteLater();
            call_();
        }
    }

  private:
    std::function<void()> call_;
};

}  // namespace

void CallAfterPaints(QObject& context, std::function<void()> call) {
    QCoreApplication::postEvent(new AfterPaintsCall(context, std::move(call)),
                                new QEvent(CallEventType()), Qt::LowEventPriority);
}

}  // namespace kelvane
