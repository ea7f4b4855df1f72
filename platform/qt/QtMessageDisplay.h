#pragma once

#include <string>

#include "platform/MessageDisplay.h"

class QWidget;

namespace kelvane {

// A message box with an OK button and no icon, over the window that asks for it.
class QtMessageDisplay final : public MessageDisplay {
  public:
    explicit QtMessageDisplay(QWidget* owner) noexcept : owner_(owner) {}

    void Show(const std::string& prompt) override;

  private:
    QWidget* owner_;
};

}  // namespace kelvane
