#pragma once
// Band 3 of the main window: the sender ("ご依頼主"), one of ten stored
// senders chosen by tab. It offers the five fields, the tab and the
// sender-print switch as values and keeps its controls to itself.

#include <QFrame>
#include <cstddef>

#include "settings/sender_file.h"
#include "slip/slip_fields.h"

class QCheckBox;
class QPushButton;
class QTabBar;

namespace ruvo::app {

class FieldKeys;
class HandlerGuard;
class TCp932Edit;

class SenderBand : public QFrame {
  Q_OBJECT

 public:
  // Its fields' keys go through `keys`, its switch's handler through `guard`.
  SenderBand(HandlerGuard& guard, FieldKeys& keys, QWidget* parent);

  // `replaced` counts the characters read as "〓".
  settings::SenderFields Fields(std::size_t& replaced) const;
  void SetFields(const settings::SenderFields& fields);
  void Clear();

  // Whether the slip prints the sender. While it does not, the fields are
  // grey (RGB 128, 128, 128); they stay editable either way.
  bool Printed() const;
  void SetPrinted(bool printed);

  int Tab() const;
  // Selects `tab` without tabChanged.
  void SelectTab(int tab);
  void FocusPostalCode();

 signals:
  void tabChanged();
  void registerRequested();
  void fieldEntered(ruvo::SlipField field);
  void inputAdjusted(ruvo::SlipField field, int replaced, int dropped, int cut);

 private:
  void MakeTabs();
  void MakeFields();
  void ShowPrinted(bool printed);

  QCheckBox* CheckBox_My;
  QTabBar* PageControl_My;
  TCp932Edit* Edit_MyZip;
  TCp932Edit* Edit_MyADD1;
  TCp932Edit* Edit_MyADD2;
  TCp932Edit* Edit_My;
  TCp932Edit* Edit_MyTEL;
  QPushButton* BitBtn_My;
};

}  // namespace ruvo::app
