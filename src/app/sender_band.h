#pragma once
// Band 3 of the main window: the sender ("ご依頼主"), one of ten stored
// senders chosen by tab.

#include <QFrame>

class QCheckBox;
class QLabel;
class QPushButton;
class QTabBar;

namespace ruvo::app {

class TCp932Edit;

class SenderBand : public QFrame {
  Q_OBJECT

 public:
  explicit SenderBand(QWidget* parent);

  // The five fields, in the order of the sender file.
  std::array<TCp932Edit*, 5> Fields() const;
  // Normal background while the sender is printed, grey (RGB 128, 128, 128)
  // while it is not; the fields stay editable either way.
  void SetPrinted(bool printed);

  QCheckBox* CheckBox_My;
  QTabBar* PageControl_My;
  QLabel* Label4;
  TCp932Edit* Edit_MyZip;
  QLabel* Label5;
  TCp932Edit* Edit_MyADD1;
  TCp932Edit* Edit_MyADD2;
  QLabel* Label7;
  TCp932Edit* Edit_My;
  QLabel* Label6;
  TCp932Edit* Edit_MyTEL;
  QPushButton* BitBtn_My;
  QLabel* Label3;
};

}  // namespace ruvo::app
