// The postal code checked against the address from the offline dictionary:
// the code's address in the status bar, a warning when the two disagree,
// and the address completed from the code.
#include "app/form_main.h"
#include "app/recipient_band.h"
#include "postal/postal_check.h"
#include "postal/postal_loader.h"
#include "qt_text/qt_text.h"
#include "transfer/recipient_fields.h"

namespace ruvo::app {

const postal::PostalDirectory* TForm_Main::PostalDirectory() {
  if (services_.postal == nullptr) return nullptr;
  const postal::LoadedPostalDirectory& loaded = services_.postal->Get();
  if (loaded.problem.empty()) return &loaded.directory;
  if (!postalNoticeShown_) {
    postalNoticeShown_ = true;
    SetStatus(Cp932ToQString(postal::ZipDictionaryUnavailableNotice(loaded.problem)));
  }
  return nullptr;
}

// The warning line: the first address line too long to print comes first,
// then a postal code that names another place.
void TForm_Main::ShowAddressWarning() {
  const std::string add1 = recipient_->Address1();
  std::string warning(AddressLengthWarning(add1));
  if (warning.empty()) {
    if (const postal::PostalDirectory* directory = PostalDirectory())
      warning = postal::ZipWarningText(*directory, recipient_->PostalCode(), add1);
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

}  // namespace ruvo::app
