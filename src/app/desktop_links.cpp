#include "app/desktop_links.h"

#include <QDesktopServices>

#include "app/app_identity.h"

namespace ruvo::app {

void QtDesktopLinks::Open(const QUrl& url) {
  QDesktopServices::openUrl(url);
}

QUrl SupportMailUrl() {
  const QByteArray subject = QUrl::toPercentEncoding(QStringLiteral("ruvoへの問い合わせ"));
  const QByteArray link =
      "mailto:" + kSupportMailAddress.toUtf8() + "?subject=" + subject + "&cc=&bcc=&";
  return QUrl::fromEncoded(link, QUrl::StrictMode);
}

QUrl WebHelpUrl() {
  return QUrl(kWebHelpUrl, QUrl::StrictMode);
}

}  // namespace ruvo::app
