// The postal code checked against the address from the offline dictionary:
// the code's address in the status bar, a warning when the two disagree,
// the address completed from the code, and the dictionary brought up to
// date from Japan Post's files (F8).
#include <QApplication>
#include <QFileDialog>
#include <QLocale>

#include "app/cp932_line_edit.h"
#include "app/form_main.h"
#include "app/message_boxes.h"
#include "app/recipient_band.h"
#include "postal/postal_check.h"
#include "postal/postal_import.h"
#include "postal/postal_loader.h"
#include "qt_text/qt_text.h"
#include "transfer/recipient_fields.h"

namespace ruvo::app {
namespace {

std::optional<std::filesystem::path> AskForZipDataFile(QWidget* parent) {
  const QString file = QFileDialog::getOpenFileName(
      parent, QStringLiteral("郵便番号データの更新"), QString(),
      QStringLiteral("日本郵便の郵便番号データ (KEN_ALL.CSV JIGYOSYO.CSV *.csv *.CSV)"));
  if (file.isEmpty()) return std::nullopt;
  return std::filesystem::path(file.toStdString());
}

// "郵便番号データを更新しました: KEN_ALL.CSV（住所 124,340件・47都道府県）"
QString ImportedNotice(const std::filesystem::path& file, const postal::PostalImport& imported) {
  const QString kind = imported.kind == postal::JapanPostFileKind::Areas ? QStringLiteral("住所")
                                                                         : QStringLiteral("事業所");
  return QStringLiteral("郵便番号データを更新しました: %1（%2 %3件・%4都道府県）")
      .arg(QString::fromStdString(file.filename().string()), kind,
           QLocale(QLocale::Japanese).toString(static_cast<qulonglong>(imported.entries)))
      .arg(imported.prefectures);
}

// The wait cursor while the window works without taking input.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

const postal::PostalDirectory* TForm_Main::PostalDirectory() {
  if (services_.postal == nullptr) return nullptr;
  const postal::LoadedPostalDirectory& loaded = services_.postal->Get();
  if (!loaded.notice.empty() && !postalNoticeShown_) {
    postalNoticeShown_ = true;
    SetStatus(Cp932ToQString(loaded.notice));
  }
  if (loaded.problem.empty()) return &loaded.directory;
  if (!postalNoticeShown_) {
    postalNoticeShown_ = true;
    SetStatus(Cp932ToQString(postal::ZipDictionaryUnavailableNotice(loaded.problem)));
  }
  return nullptr;
}

// The warning line: the first address line too long to print comes first,
// then a postal code that names another place than the address, its three
// lines taken together.
void TForm_Main::ShowAddressWarning() {
  std::size_t replaced = 0;
  const Recipient recipient = recipient_->Fields(replaced);
  std::string warning(AddressLengthWarning(recipient.address1));
  if (warning.empty()) {
    if (const postal::PostalDirectory* directory = PostalDirectory()) {
      const std::string address =
          postal::WholeAddress(recipient.address1, recipient.address2, recipient.address3);
      warning = postal::ZipWarningText(*directory, recipient_->PostalCode(), address);
    }
  }
  recipient_->SetWarning(Cp932ToQString(warning));
}

void TForm_Main::ShowZipStatus() {
  const postal::PostalDirectory* directory = PostalDirectory();
  if (directory == nullptr) return;
  const std::string status = postal::ZipStatusText(*directory, recipient_->PostalCode());
  if (!status.empty()) SetStatus(Cp932ToQString(status));
}

// Leaving the postal code names its place and checks it against the
// address.
void TForm_Main::PostalCodeLeft() {
  ShowZipStatus();
  ShowAddressWarning();
}

// Enter in the postal code fills a blank first address line with the code's
// address before the focus moves there; a filled line is never touched.
void TForm_Main::CompleteAddress() {
  const postal::PostalDirectory* directory = PostalDirectory();
  if (directory == nullptr) return;
  const std::string address =
      postal::AddressToComplete(*directory, recipient_->PostalCode(), recipient_->Address1());
  if (!address.empty()) recipient_->SetAddress1(address);
}

// F8: Japan Post's file, downloaded by the user, imported into the working
// folder's postal data, which the window checks with from then on and every later
// start. The window stays as it was when the user cancels or the file is
// none of Japan Post's (the error box says why).
void TForm_Main::UpdatePostalData() {
  if (services_.postal == nullptr) return;
  const auto choose = services_.chooseZipDataFile ? services_.chooseZipDataFile : AskForZipDataFile;
  const std::optional<std::filesystem::path> file = choose(this);
  if (!file) return;
  SetStatus(QStringLiteral("郵便番号データを取り込んでいます…"));
  postal::PostalImport imported;
  try {
    const WaitCursor waiting;
    imported =
        postal::ImportJapanPostFile(*file, services_.workingFolder, services_.postal->Source());
  } catch (...) {
    SetStatus(QString());
    throw;
  }
  const QString notice = ImportedNotice(*file, imported);
  services_.postal->Replace({std::move(imported.directory), {}, std::move(imported.notice)});
  postalNoticeShown_ = false;
  SetStatus(notice);
  services_.boxes.Notify(this, notice);
  ShowAddressWarning();
}

}  // namespace ruvo::app
