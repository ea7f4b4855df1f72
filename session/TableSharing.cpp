#include "session/TableSharing.h"

#include <QByteArray>
#include <QStringList>
#include <exception>
#include <utility>
#include <variant>

#include "session/OddsLine.h"
#include "session/OutcomeNames.h"

namespace kelvane {
namespace {

std::string Utf8(const QString& text) { return text.toStdString(); }

// How often a process that another one keeps from posting looks whether it may post, and how
// often an outbox that refused to let go of a delivered message is asked again.
constexpr int kRetryMilliseconds = 5000;

}  // namespace

TableSharing::TableSharing(TableOutbox& outbox, QString apiBase, const QString& lockPath,
                           QObject* parent)
    : QObject(parent),
      outbox_(outbox),
      postingLock_(lockPath.isEmpty() ? nullptr : std::make_unique<QLockFile>(lockPath)),
      apiBase_(std::move(apiBase)) {
    if (postingLock_) postingLock_->setStaleLockTime(0);
    retryTimer_.setSingleShot(true);
    oddsTimer_.setSingleShot(true);
    oddsTimer_.setInterval(kOddsWaitMilliseconds);
    connect(&retryTimer_, &QTimer::timeout, this, &TableSharing::PostNext);
    connect(&oddsTimer_, &QTimer::timeout, this, &TableSharing::FlushPendingRoll);
}

TableSharing::~TableSharing() = default;

QString TableSharing::WebhookUrlSentence(const QString& url) {
    const auto read = sharing::ReadWebhookUrl(Utf8(url));
    if (std::holds_alternative<sharing::Webhook>(read)) return {};
    switch (std::get<sharing::WebhookUrlProblem>(read)) {
        case sharing::WebhookUrlProblem::Empty:
            //: The Table dialog, when no webhook URL is pasted yet.
            return tr("Paste the webhook URL from the channel's settings, under Integrations.");
        case sharing::WebhookUrlProblem::NotHttps:
            return tr("The webhook URL must start with https://.");
        case sharing::WebhookUrlProblem::NotDiscordHost:
            return tr("The webhook URL must be on discord.com.");
        default:
            //: Keep the example address as it is.
            return tr(
                "This is not a webhook URL: it looks like "
                "https://discord.com/api/webhooks/<number>/<token>.");
    }
}

QString TableSharing::NameSentence(const QString& name) {
    switch (sharing::CheckName(Utf8(name))) {
        case sharing::NameProblem::TooLong:
            return tr("Discord takes names of at most 80 characters.");
        case sharing::NameProblem::Reserved:
            //: Keep "discord" and "clyde" as they are: Discord refuses names that hold them.
            return tr("Discord refuses names that contain \"discord\" or \"clyde\".");
        case sharing::NameProblem::None:
            break;
    }
    return {};
}

std::optional<QString> TableSharing::AddressFor(const QString& webhookUrl) const {
    const auto read = sharing::ReadWebhookUrl(Utf8(webhookUrl));
    const auto* webhook = std::get_if<sharing::Webhook>(&read);
    if (webhook == nullptr) return std::nullopt;
    const auto address = sharing::PostAddress(*webhook, Utf8(apiBase_));
    if (!address) return std::nullopt;
    return QString::fromStdString(*address);
}

void TableSharing::Configure(const QString& webhookUrl, const QString& name, bool shareEveryRoll) {
    address_ = AddressFor(webhookUrl);
    name_ = name;
    shareEveryRoll_ = shareEveryRoll && address_.has_value();
    stop_ = Stop::None;
    lastRefusal_.clear();
    if (shareEveryRoll && !address_ && WebhookUrlSentence(webhookUrl).isEmpty()) {
        StopWith(Stop::NoAddress);
        return;
    }
    if (!NameSentence(name).isEmpty()) {
        StopWith(Stop::NameRefused, NameSentence(name));
        return;
    }
    Report();
    PostNext();
}

void TableSharing::OutboxStartedAfresh() {
    // The fresh outbox holds none of the old messages, and its ids start again.
    answered_.clear();
    if (stop_ != Stop::Outbox) return;
    stop_ = Stop::None;
    Report();
    PostNext();
}

void TableSharing::RollShown(const RollRecordPtr& roll) {
    if (!shareEveryRoll_) return;
    FlushPendingRoll();
    const qint64 key = lastKept_.first == roll ? lastKept_.second : 0;
    pendingRoll_.emplace(PendingRoll{roll, key});
    oddsTimer_.start();
}

void TableSharing::RollKept(const RollRecordPtr& roll, qint64 rollKey) {
    lastKept_ = {roll, rollKey};
    if (pendingRoll_ && pendingRoll_->roll == roll) pendingRoll_->key = rollKey;
}

void TableSharing::OddsShown(const RollRecordPtr& roll, const Distribution& odds,
                             const OutcomeChances& outcomes) {
    if (!pendingRoll_ || pendingRoll_->roll != roll) return;
    // A roll with an outcome stands by the outcome's chance, not by its total's.
    const QString standing = roll->outcome ? OddsLine::OutcomeChance(outcomes, roll->outcome->index)
                                           : OddsLine::Standing(odds, roll->total);
    const PendingRoll pending = *std::exchange(pendingRoll_, std::nullopt);
    oddsTimer_.stop();
    AddToOutbox(pending, standing);
}

void TableSharing::FlushPendingRoll() {
    if (!pendingRoll_) return;
    const PendingRoll pending = *std::exchange(pendingRoll_, std::nullopt);
    oddsTimer_.stop();
    AddToOutbox(pending, {});
}

void TableSharing::AddToOutbox(const PendingRoll& pending, const QString& standing) {
    const RollRecord& roll = *pending.roll;
    // No message shows more dice than it has characters.
    const std::string content = sharing::MessageContent(
        {roll.label, std::string(DiceName(roll)), ChatDice(roll, sharing::kMostContentCharacters),
         roll.total, roll.outcome ? OutcomeNames::Words(*roll.outcome) : std::string(),
         Utf8(standing)});
    try {
        outbox_.Add(pending.key, content);
    } catch (const std::exception&) {
        StopWith(Stop::Outbox);
        emit rollFailed(pending.key, StopSentence(Stop::Outbox, {}));
        return;
    }
    emit rollQueued(pending.key);
    Report();
    PostNext();
}

bool TableSharing::RemoveAnswered() {
    try {
        while (!answered_.empty()) {
            outbox_.Remove(*answered_.begin());
            answered_.erase(answered_.begin());
        }
    } catch (const std::exception&) {
        StopWith(Stop::Outbox);
        retryTimer_.start(kRetryMilliseconds);
        return false;
    }
    return true;
}

void TableSharing::PostNext() {
    if (posting_ || retryTimer_.isActive()) return;
    if (!answered_.empty()) {
        if (!RemoveAnswered()) return;
        if (stop_ == Stop::Outbox) {
            stop_ = Stop::None;
            Report();
        }
    }
    if (!shareEveryRoll_ || stop_ != Stop::None) return;
    if (postingLock_ && !postingLock_->isLocked() && !postingLock_->tryLock(0)) {
        retryTimer_.start(kRetryMilliseconds);
        return;
    }
    std::optional<OutboxMessage> next;
    try {
        next = outbox_.Oldest();
    } catch (const std::exception&) {
        StopWith(Stop::Outbox);
        return;
    }
    if (!next) return;
    posting_ = true;
    const QByteArray body = QByteArray::fromStdString(
        sharing::MessageBody(next->content, Utf8(name_.isEmpty() ? characterName_ : name_)));
    poster_.Post(*address_, body,
                 [this, id = next->id, rollKey = next->rollKey](const sharing::PostAnswer& answer) {
                     Answered(id, rollKey, answer);
                 });
}

void TableSharing::Answered(std::int64_t id, std::int64_t rollKey,
                            const sharing::PostAnswer& answer) {
    posting_ = false;
    const sharing::PostDecision decision = policy_.Decide(answer);
    using Step = sharing::PostDecision::Step;
    switch (decision.step) {
        case Step::Sent:
        case Step::Drop:
            // Discord has taken or refused it for good: it is never posted again, even while
            // the outbox will not let it go.
            answered_.insert(id);
            if (decision.step == Step::Sent) {
                sentAny_ = true;
                lastRefusal_.clear();
                emit rollShared(rollKey);
            } else {
                //: A roll Discord would not take; %1 is Discord's own reason, in English.
                lastRefusal_ =
                    tr("Discord refused a roll: %1").arg(QString::fromStdString(decision.reason));
                emit rollFailed(rollKey, QString::fromStdString(decision.reason));
            }
            if (!RemoveAnswered()) return;
            Report();
            PostNext();
            return;
        case Step::RetryLater:
            retryTimer_.start(static_cast<int>(decision.wait.count()));
            return;
        case Step::WebhookGone:
            StopWith(Stop::WebhookGone);
            return;
        case Step::CertificateRefused:
            StopWith(Stop::CertificateRefused);
            return;
        case Step::Refused:
            StopWith(Stop::Refused, QString::fromStdString(decision.reason));
            return;
        case Step::NameRefused:
            //: %1 is Discord's own reason, in English.
            StopWith(Stop::NameRefused, tr("Discord refuses the name to post under: %1")
                                            .arg(QString::fromStdString(decision.reason)));
            return;
    }
}

void TableSharing::StopWith(Stop stop, const QString& reason) {
    stop_ = stop;
    stopReason_ = reason;
    retryTimer_.stop();
    Report();
}

QString TableSharing::StopSentence(Stop stop, const QString& reason) {
    switch (stop) {
        case Stop::WebhookGone:
            return tr("The table's webhook is gone: paste a new one");
        case Stop::CertificateRefused:
            return tr("Not shared: the table's server could not prove it is Discord");
        case Stop::NameRefused:
            return reason;
        case Stop::Refused:
            //: %1 is the HTTP status and Discord's own words, such as "HTTP 403: Missing Access".
            return tr("Not shared: the table's server answered %1").arg(reason);
        case Stop::NoAddress:
            return tr("Not shared: KELVANE_DISCORD_API_BASE is not an https:// address");
        case Stop::Outbox:
            return tr("Not shared: rolls cannot be kept in the database");
        case Stop::None:
            break;
    }
    return {};
}

QString TableSharing::StatusText() const {
    if (stop_ != Stop::None) return StopSentence(stop_, stopReason_);
    if (!lastRefusal_.isEmpty()) return lastRefusal_;
    std::size_t waiting = 0;
    try {
        waiting = outbox_.Count();
    } catch (const std::exception&) {
        return tr("Not shared: rolls cannot be kept in the database");
    }
    //: The band's status line while rolls wait in the outbox.
    if (waiting == 1) return tr("1 roll waiting to be shared");
    if (waiting > 1) {
        //: The band's status line while rolls wait in the outbox; %n is 2 or more.
        return tr("%n rolls waiting to be shared", nullptr, static_cast<int>(waiting));
    }
    if (!shareEveryRoll_) return {};
    //: The band's status line once every roll has reached the channel.
    return sentAny_ ? tr("Shared") : tr("Sharing rolls with the table");
}

void TableSharing::Report() {
    const bool failed = stop_ != Stop::None || !lastRefusal_.isEmpty();
    emit statusChanged(StatusText(), shareEveryRoll_, failed);
}

void TableSharing::SendTestMessage(const QString& webhookUrl, const QString& name) {
    const auto address = AddressFor(webhookUrl);
    if (!address) {
        const QString sentence = WebhookUrlSentence(webhookUrl);
        emit testAnswered(sentence.isEmpty() ? StopSentence(Stop::NoAddress, {}) : sentence);
        return;
    }
    //: Posted to the channel by "Send a test message".
    const std::string content = sharing::EscapeMarkdown(Utf8(tr("Kelvane will share rolls here.")));
    poster_.Post(*address,
                 QByteArray::fromStdString(
                     sharing::MessageBody(content, Utf8(name.isEmpty() ? characterName_ : name))),
                 [this](const sharing::PostAnswer& answer) {
                     const auto decision = sharing::PostingPolicy().Decide(answer);
                     const QString reason = QString::fromStdString(decision.reason);
                     using Step = sharing::PostDecision::Step;
                     switch (decision.step) {
                         case Step::Sent:
                             emit testAnswered(tr("The test message was posted."));
                             return;
                         case Step::RetryLater:
                             emit testAnswered(tr("Discord did not answer; try again later."));
                             return;
                         case Step::Drop:
                         case Step::NameRefused:
                             emit testAnswered(tr("Discord refused the message: %1").arg(reason));
                             return;
                         case Step::WebhookGone:
                             emit testAnswered(StopSentence(Stop::WebhookGone, reason));
                             return;
                         case Step::CertificateRefused:
                             emit testAnswered(StopSentence(Stop::CertificateRefused, reason));
                             return;
                         case Step::Refused:
                             emit testAnswered(StopSentence(Stop::Refused, reason));
                             return;
                     }
                 });
}

}  // namespace kelvane
