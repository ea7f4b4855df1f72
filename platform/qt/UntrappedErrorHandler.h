#pragma once

#include <exception>
#include <new>
#include <utility>

#include "platform/RuntimeError.h"

class QWidget;

namespace kelvane {

// The event boundary: every event handler runs through Run, and an error it raises is shown
// to the user in a message box with the application's title. The program then goes on, and
// whatever the handler had already shown stays shown.
class UntrappedErrorHandler {
  public:
    UntrappedErrorHandler() = delete;

    template <typename Handler>
    static void Run(QWidget* parent, Handler&& handler) noexcept {
        try {
            std::forward<Handler>(handler)();
        } catch (const RuntimeError& error) {
            Report(parent, error);
        } catch (const std::bad_alloc&) {
            Report(parent, errors::OutOfMemory());
        } catch (const std::exception& error) {
            Report(parent, RuntimeError(kInternalError, error.what()));
        }
    }

    // Names what went wrong and says in plain words what the user can do about it.
    static void Report(QWidget* parent, const RuntimeError& error) noexcept;

  private:
    static constexpr int kInternalError = 51;
};

}  // namespace kelvane
