#pragma once

#include <QDialog>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/LocalFileSystem.h"
#include "platform/qt/QtMessageDisplay.h"
#include "platform/qt/QtProgramStarter.h"
#include "platform/registry/Registry.h"
#include "ui/about/SysInfoLauncher.h"

class QCloseEvent;
class QEvent;

namespace Ui {
class frmAbout;
}

namespace kelvane {

// The About dialog: the program's title and version, a picture, OK and System Info. The whole
// program shares one instance. OK (and Enter or Escape) hides it, loaded as it is; the close
// box unloads it, so that the next show loads it again at its first position.
class frmAbout : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAbout)

  public:
    // The shared instance, created the first time it is asked for.
    static frmAbout& Instance();

    ~frmAbout() override;

    // Loads the dialog unless it is loaded, then makes it visible, modeless and ownerless.
    void ShowDialog();

    void StartSysInfo() noexcept;
    bool GetKeyValue(const std::uint32_t& KeyRoot, const std::string& KeyName,
                     const std::string& SubKeyRef, std::string& KeyVal);

    // Escape acts as OK.
    void reject() override;

  signals:
    // After each run of the load step.
    void loaded();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Keeps the texts readable when the palette turns dark or light, and in the language in
    // force when it changes.
    void changeEvent(QEvent* event) override;

  private:
    frmAbout();

    void ApplyColours();
    void Form_Load();
    // The caption, title and version from the application data.
    void WriteApplicationTexts();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    std::unique_ptr<Ui::frmAbout> ui;
    bool isLoaded_ = false;
    std::unique_ptr<Registry> registry_;
    LocalFileSystem files_;
    QtProgramStarter starter_;
    QtMessageDisplay messages_;
    SysInfoLauncher launcher_;
};

}  // namespace kelvane
