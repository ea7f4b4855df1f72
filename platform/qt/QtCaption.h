#pragma once

#include <QString>
#include <functional>

#include "platform/CaptionTarget.h"

class QGroupBox;
class QLabel;

namespace kelvane {

// The caption of a label (its text) or of a frame (its title).
class QtCaption final : public CaptionTarget {
  public:
    explicit QtCaption(QLabel& label);
    explicit QtCaption(QGroupBox& frame);
    ~QtCaption() override = default;

    void SetCaption(std::string_view caption) override;

  private:
    std::function<void(const QString&)> setCaption_;
};

}  // namespace kelvane
