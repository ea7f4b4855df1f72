#include "ui/sharing/TableDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/qt/ScreenReaderAnnouncer.h"
#include "session/TableSharing.h"
#include "ui_TableDialog.h"

namespace kelvane {

TableDialog::TableDialog(const TableSettings& settings, const QString& characterName,
                         QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TableDialog>()) {
    ui->setupUi(this);
    announcer_ = new ScreenReaderAnnouncer(*this, ScreenReaderAnnouncer::Urgency::Alert);
    ui->txtWebhook->setText(settings.webhookUrl);
    ui->txtName->setText(settings.name);
    ui->txtName->setPlaceholderText(characterName);
    ui->chkShare->setChecked(settings.shareEveryRoll);
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &TableDialog::Accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ui->btnTest, &QPushButton::clicked, this, &TableDialog::Test);
}

TableDialog::~TableDialog() = default;

TableSettings TableDialog::Settings() const {
    return {ui->txtWebhook->text().trimmed(), ui->txtName->text().trimmed(),
            ui->chkShare->isChecked()};
}

void TableDialog::ShowSentence(const QString& sentence) {
    ui->lblTableMessage->setText(sentence);
    if (!sentence.isEmpty()) announcer_->Announce(sentence);
}

void TableDialog::ShowTestAnswer(const QString& sentence) {
    ui->btnTest->setEnabled(true);
    ShowSentence(sentence);
}

void TableDialog::Accept() {
    const TableSettings settings = Settings();
    // An empty URL is fine while nothing is shared: it forgets the webhook.
    const bool urlNeeded = settings.shareEveryRoll || !settings.webhookUrl.isEmpty();
    const QString urlProblem =
        urlNeeded ? TableSharing::WebhookUrlSentence(settings.webhookUrl) : QString();
    const QString problem =
        urlProblem.isEmpty() ? TableSharing::NameSentence(settings.name) : urlProblem;
    if (!problem.isEmpty()) {
        ShowSentence(problem);
        (urlProblem.isEmpty() ? ui->txtName : ui->txtWebhook)->setFocus();
        return;
    }
    accept();
}

void TableDialog::Test() {
    const TableSettings settings = Settings();
    const QString problem = TableSharing::WebhookUrlSentence(settings.webhookUrl);
    if (!problem.isEmpty()) {
        ShowSentence(problem);
        return;
    }
    ui->btnTest->setEnabled(false);
    //: While the test message is on its way.
    ui->lblTableMessage->setText(tr("Sending…"));
    emit testRequested(settings.webhookUrl, settings.name);
}

}  // namespace kelvane
