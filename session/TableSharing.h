#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>
#include <set>
#include <utility>

#include "engine/Distribution.h"
#include "engine/RollRecord.h"
#include "engine/odds/Outcomes.h"
#include "platform/TableOutbox.h"
#include "session/WebhookPoster.h"
#include "sharing/PostingPolicy.h"
#include "sharing/TableMessage.h"
#include "sharing/WebhookAddress.h"

namespace kelvane {

// Shares rolls with the group's channel: each roll waits in the outbox and is posted one at a
// time, in order, while sharing is on. Rolling never waits for it: a roll is only added to the
// outbox, and posting happens as the answers come.
class TableSharing final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TableSharing)

  public:
    // How long a roll waits for its odds before it is posted without its standing.
    static constexpr int kOddsWaitMilliseconds = 1500;

    // apiBase stands in for Discord's own API address when not empty (a local test server).
    // Of the Kelvane processes that share the outbox, only the one holding the lock file
    // lockPath posts, so that no two post the same message; the others only add to it.
    TableSharing(TableOutbox& outbox, QString apiBase, const QString& lockPath = {},
                 QObject* parent = nullptr);
    ~TableSharing() override;

    // A sentence on what is wrong with a pasted URL, or an empty one when it will serve.
    [[nodiscard]] static QString WebhookUrlSentence(const QString& url);
    // A sentence on why Discord would refuse a name, or an empty one.
    [[nodiscard]] static QString NameSentence(const QString& name);

    // Takes the settings anew; a problem that stopped sharing is forgotten, and posting resumes.
    void Configure(const QString& webhookUrl, const QString& name, bool shareEveryRoll);
    // The database holding the outbox was started afresh after damage: sharing that the damage
    // stopped goes on with it.
    void OutboxStartedAfresh();
    [[nodiscard]] bool IsSharing() const { return shareEveryRoll_; }
    // The roll book's character, posted under when the player set no name of their own.
    void SetCharacterName(const QString& name) { characterName_ = name; }
    [[nodiscard]] const QString& CharacterName() const { return characterName_; }
    // The band's status line: "Shared", "3 rolls waiting to be shared", or what went wrong.
    [[nodiscard]] QString StatusText() const;

    // The rolls and their odds; a roll goes to the outbox with its standing once its odds
    // come, or without after kOddsWaitMilliseconds or when the next roll comes first.
    void RollShown(const kelvane::RollRecordPtr& roll);
    void OddsShown(const kelvane::RollRecordPtr& roll, const kelvane::Distribution& odds,
                   const kelvane::OutcomeChances& outcomes = {});
    // The key that the roll goes to the outbox under, such as its row in the roll log, so
    // that its outcome can be told after a restart too; before or after RollShown. Rolls
    // without one go under key 0.
    void RollKept(const kelvane::RollRecordPtr& roll, qint64 rollKey);

    // Posts a message that says the table is set up, outside the outbox; testAnswered tells.
    void SendTestMessage(const QString& webhookUrl, const QString& name);

  signals:
    // After any change to the status line; failed when sharing stopped or a roll was refused.
    void statusChanged(const QString& text, bool sharing, bool failed);
    // The roll rollKey is in the outbox; it reached the channel; or it never will, with
    // Discord's reason (or the outbox's, when the roll could not be kept in it).
    void rollQueued(qint64 rollKey);
    void rollShared(qint64 rollKey);
    void rollFailed(qint64 rollKey, const QString& reason);
    // The test message's outcome as a sentence.
    void testAnswered(const QString& sentence);

  private:
    enum class Stop {
        None,
        WebhookGone,
        CertificateRefused,
        NameRefused,
        Refused,
        NoAddress,
        Outbox
    };

    struct PendingRoll {
        RollRecordPtr roll;
        qint64 key = 0;
    };

    void AddToOutbox(const PendingRoll& pending, const QString& standing);
    void FlushPendingRoll();
    void PostNext();
    // Removes the messages Discord has answered for good; false, with sharing stopped until a
    // later try succeeds, while the outbox refuses.
    bool RemoveAnswered();
    void Answered(std::int64_t id, std::int64_t rollKey, const sharing::PostAnswer& answer);
    void StopWith(Stop stop, const QString& reason = {});
    void Report();
    [[nodiscard]] static QString StopSentence(Stop stop, const QString& reason);
    [[nodiscard]] std::optional<QString> AddressFor(const QString& webhookUrl) const;

    TableOutbox& outbox_;
    std::unique_ptr<QLockFile> postingLock_;
    QString apiBase_;
    WebhookPoster poster_;
    sharing::PostingPolicy policy_;
    QTimer retryTimer_;
    QTimer oddsTimer_;
    std::optional<QString> address_;
    QString name_;
    QString characterName_;
    bool shareEveryRoll_ = false;
    bool posting_ = false;
    bool sentAny_ = false;
    Stop stop_ = Stop::None;
    QString stopReason_;
    QString lastRefusal_;
    std::optional<PendingRoll> pendingRoll_;
    // Outbox ids of messages Discord has taken or refused that are still to be removed.
    std::set<std::int64_t> answered_;
    // The roll kept last, and its key.
    std::pair<RollRecordPtr, qint64> lastKept_{nullptr, 0};
};

}  // namespace kelvane
