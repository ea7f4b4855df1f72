#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "sharing/PostingPolicy.h"

class QNetworkAccessManager;

namespace kelvane {

// Posts JSON to a webhook over TLS and hands back what came of it. A certificate that does not
// verify is never accepted, redirects are not followed, and an answer that takes longer than
// kTimeoutMilliseconds counts as a dropped connection.
class WebhookPoster final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WebhookPoster)

  public:
    static constexpr int kTimeoutMilliseconds = 30000;

    explicit WebhookPoster(QObject* parent = nullptr);
    ~WebhookPoster() override;

    // address is https:// by construction; done is called once, on the poster's thread.
    void Post(const QString& address, const QByteArray& body,
              std::function<void(const sharing::PostAnswer&)> done);

    // Trusts the certificates in the file SSL_CERT_FILE names, beside the system's own, as
    // OpenSSL does, so that a test server's certificate verifies on every TLS backend.
    static void TrustCertificateFileFromEnvironment();

  private:
    QNetworkAccessManager* network_;
};

}  // namespace kelvane
