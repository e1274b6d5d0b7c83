#pragma once
// Handing a web page or a mail link to the desktop (its browser and mail
// program), behind one small interface so tests see what would be opened.

#include <QUrl>

namespace ruvo::app {

class DesktopLinks {
 public:
  virtual ~DesktopLinks() = default;
  // Asks the desktop to open `url`. The result is not examined: without a
  // browser or mail program nothing happens and nothing is shown.
  virtual void Open(const QUrl& url) = 0;
};

class QtDesktopLinks final : public DesktopLinks {
 public:
  void Open(const QUrl& url) override;
};

// "mailto:<support>?subject=ruvoへの問い合わせ&cc=&bcc=&", the subject
// percent-encoded as UTF-8: mail programs read a raw Shift-JIS subject as
// garbage.
QUrl SupportMailUrl();

// The maker's web page.
QUrl WebHelpUrl();

}  // namespace ruvo::app
