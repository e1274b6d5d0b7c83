#pragma once
// Band 4 of the main window: the printer group, the wished delivery date,
// the slip date, the goods, the quantity, the time slot and the support
// buttons.

#include <QComboBox>
#include <QFrame>
#include <QProxyStyle>
#include <array>

#include "print/slip_record.h"

class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QPushButton;

namespace ruvo {
class TOvNumEdit;
}

namespace ruvo::app {

class TCp932Edit;

// A combo box that only shows: its list holds the printer's choices and the
// current one is selected, but the user cannot open or change it.
class DisplayComboBox : public QComboBox {
  Q_OBJECT

 public:
  using QComboBox::QComboBox;
  void showPopup() override {}

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
};

// Check boxes 13 pixels apart: the indicator must fit one row.
class SmallIndicatorStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
};

class GoodsBand : public QFrame {
  Q_OBJECT

 public:
  explicit GoodsBand(QWidget* parent);

  std::array<TCp932Edit*, 3> Goods() const { return {Edit_G1, Edit_G2, Edit_G3}; }
  std::array<QCheckBox*, kTimeSlotCount> TimeSlots() const;

  QGroupBox* GroupBox1;
  DisplayComboBox* ComboBox1;
  DisplayComboBox* ComboBox2;
  DisplayComboBox* ComboBox3;
  QLabel* Label_4;
  QComboBox* ComboBox_SEL;
  QPushButton* BitBtn_PrnSet2;
  QLabel* Label_Prn_Top;
  QLabel* Label_Prn_Left;
  QPushButton* BitBtn_PrnSet;
  QLabel* Label_de_date;
  TCp932Edit* Edit_de_date1;
  TCp932Edit* Edit_de_date2;
  QCheckBox* CheckBox_Date_1;
  QDateEdit* DateTimePicker_1;
  QLabel* Label_3;
  TCp932Edit* Edit_G1;
  TCp932Edit* Edit_G2;
  TCp932Edit* Edit_G3;
  QLabel* Label_KOSUU;
  TOvNumEdit* OvNumEdit_KOSUU;
  QGroupBox* GroupBox_Time;
  QCheckBox* CheckBox_t1;
  QCheckBox* CheckBox_t2;
  QCheckBox* CheckBox_t3;
  QCheckBox* CheckBox_t4;
  QCheckBox* CheckBox_t5;
  QPushButton* BitBtn_WebHelp;
  QPushButton* BitBtn_SendMail;

 private:
  void MakePrinterGroup();
  void MakeTimeSlotGroup();
};

}  // namespace ruvo::app
