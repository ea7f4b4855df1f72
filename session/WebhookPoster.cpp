#include "session/WebhookPoster.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QUrl>
#include <QVariant>
#include <QtGlobal>
#include <utility>

namespace kelvane {

WebhookPoster::WebhookPoster(QObject* parent)
    : QObject(parent), network_(new QNetworkAccessManager(this)) {
    network_->setStrictTransportSecurityEnabled(true);
}

WebhookPoster::~WebhookPoster() = default;

void WebhookPoster::TrustCertificateFileFromEnvironment() {
    const QString file = qEnvironmentVariable("SSL_CERT_FILE");
    if (file.isEmpty()) return;
    const QList<QSslCertificate> added = QSslCertificate::fromPath(file, QSsl::Pem);
    if (added.isEmpty()) return;
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.addCaCertificates(added);
    QSslConfiguration::setDefaultConfiguration(configuration);
}

void WebhookPoster::Post(const QString& address, const QByteArray& body,
                         std::function<void(const sharing::PostAnswer&)> done) {
    const QUrl url(address);
    if (url.scheme() != QLatin1String("https")) {
        done(sharing::PostAnswer{0, {}, {}, true});
        return;
    }
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QByteArrayLiteral("Kelvane/" KELVANE_VERSION " (+" KELVANE_HOMEPAGE ")"));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(kTimeoutMilliseconds);

    QNetworkReply* reply = network_->post(request, body);
    connect(reply, &QNetworkReply::finished, this, [reply, done = std::move(done)] {
        reply->deleteLater();
        sharing::PostAnswer answer;
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        answer.status = status.isValid() ? status.toInt() : 0;
        answer.certificateRefused = reply->error() == QNetworkReply::SslHandshakeFailedError;
        answer.body = reply->readAll().toStdString();
        answer.retryAfterHeader = reply->rawHeader(QByteArrayLiteral("Retry-After")).toStdString();
        // A connection that dropped after the status line is no answer to rely on.
        if (answer.status >= 200 && answer.status < 300 &&
            reply->error() != QNetworkReply::NoError) {
            answer.status = 0;
        }
        done(answer);
    });
}

}  // namespace kelvane
