#pragma once
// Band 2 of the main window: the recipient ("お届け先").

#include <QFrame>

class QLabel;
class QPushButton;

namespace ruvo::app {

class TCp932Edit;

class RecipientBand : public QFrame {
  Q_OBJECT

 public:
  explicit RecipientBand(QWidget* parent);

  // The address-length warning under the postal code (red; empty for none).
  void SetWarning(const QString& text);

  QLabel* Label_1;
  QLabel* Panel26;
  TCp932Edit* Edit_Zip;
  QLabel* Label_Warning;
  QLabel* Panel27;
  TCp932Edit* Edit_Add1;
  QLabel* Panel28;
  TCp932Edit* Edit_Add2;
  QLabel* Panel2;
  TCp932Edit* Edit_Add3;
  QLabel* Panel5;
  TCp932Edit* Edit_Custo1;
  QLabel* Panel7;
  TCp932Edit* Edit_tel;
  QPushButton* BitBtn_CLS;
  QLabel* Label10;
};

}  // namespace ruvo::app
