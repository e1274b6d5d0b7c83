#pragma once
// Band 2 of the main window: the recipient ("お届け先"). It offers its six
// fields as values and keeps its controls to itself.

#include <QFrame>
#include <cstddef>
#include <string>
#include <string_view>

#include "slip/slip_fields.h"
#include "transfer/recipient_fields.h"

class QLabel;
class QPushButton;

namespace ruvo::app {

class FieldKeys;
class TCp932Edit;

// The recipient as the band holds it (CP932).
struct Recipient {
  std::string zip;
  std::string address1;
  std::string address2;
  std::string address3;
  std::string name;
  std::string tel;
  bool operator==(const Recipient&) const = default;
};

class RecipientBand : public QFrame {
  Q_OBJECT

 public:
  // Its fields' keys go through `keys`.
  RecipientBand(FieldKeys& keys, QWidget* parent);

  // `replaced` counts the characters read as "〓".
  Recipient Fields(std::size_t& replaced) const;
  void SetFields(const Recipient& recipient);
  // Writes what the transfer found; the third address line keeps its text.
  void SetTransferred(const RecipientFields& fields);
  // Empties every field but the third address line, and the warning.
  void Clear();

  std::string PostalCode() const;
  std::string Address1() const;
  void SetAddress1(std::string_view address);
  // The warning under the postal code (red; empty for none).
  void SetWarning(const QString& text);
  void FocusPostalCode();

 signals:
  void clearRequested();
  void fieldEntered(ruvo::SlipField field);
  void inputAdjusted(ruvo::SlipField field, int replaced, int dropped, int cut);
  // The focus left the postal code for another control of the window.
  void postalCodeLeft();

 private:
  void MakeFields();

  TCp932Edit* Edit_Zip;
  QLabel* Label_Warning;
  TCp932Edit* Edit_Add1;
  TCp932Edit* Edit_Add2;
  TCp932Edit* Edit_Add3;
  TCp932Edit* Edit_Custo1;
  TCp932Edit* Edit_tel;
  QPushButton* BitBtn_CLS;
};

}  // namespace ruvo::app
