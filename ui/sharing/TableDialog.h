#pragma once

#include <QDialog>
#include <memory>

#include "session/TableSettings.h"

namespace Ui {
class TableDialog;
}

namespace kelvane {

class ScreenReaderAnnouncer;

// The Table dialog: the webhook URL (masked), the name to post under, whether every roll is
// shared, and a test message. OK keeps the settings only when the URL and the name will serve.
class TableDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TableDialog)

  public:
    // characterName is what the Name field stands for while it is empty.
    TableDialog(const TableSettings& settings, const QString& characterName,
                QWidget* parent = nullptr);
    ~TableDialog() override;

    [[nodiscard]] TableSettings Settings() const;
    // Says how the test message went, and has a screen reader speak it.
    void ShowTestAnswer(const QString& sentence);

  signals:
    void testRequested(const QString& webhookUrl, const QString& name);

  private:
    void Accept();
    void Test();
    void ShowSentence(const QString& sentence);

    std::unique_ptr<Ui::TableDialog> ui;
    ScreenReaderAnnouncer* announcer_;
};

}  // namespace kelvane
