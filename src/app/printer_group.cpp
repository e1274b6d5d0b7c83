#include "app/printer_group.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QWheelEvent>

#include "app/window_kit.h"
#include "qt_text/qt_text.h"
#include "settings/settings_names.h"

namespace ruvo::app {
namespace {

// A combo box that only shows: its list holds the printer's choices and the
// current one is selected, but the user cannot open or change it.
class DisplayComboBox : public QComboBox {
 public:
  using QComboBox::QComboBox;
  void showPopup() override {}

 protected:
  void keyPressEvent(QKeyEvent* event) override { event->ignore(); }
  void wheelEvent(QWheelEvent* event) override { event->ignore(); }
};

QComboBox* MakeDisplayBox(QWidget* parent, const char* name, QRect rect) {
  auto* box = new DisplayComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(rect);
  box->setFocusPolicy(Qt::NoFocus);
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Button));
  box->setPalette(palette);
  return box;
}

}  // namespace

PrinterGroup::PrinterGroup(QWidget* parent) : QGroupBox(QStringLiteral("プリンタセット"), parent) {
  setObjectName(QStringLiteral("GroupBox1"));
  setGeometry(12, 4, 285, 130);
  setFont(WindowFont(12));
  ComboBox_Printer = MakeDisplayBox(this, "ComboBox_Printer", {6, 14, 271, 21});
  ComboBox_Paper = MakeDisplayBox(this, "ComboBox_Paper", {6, 34, 271, 21});
  ComboBox_Source = MakeDisplayBox(this, "ComboBox_Source", {6, 54, 271, 21});
  MakeLabel(this, {"Label_4", {6, 83}, QStringLiteral("用紙選択"), 15});
  ComboBox_SEL = new QComboBox(this);
  ComboBox_SEL->setObjectName(QStringLiteral("ComboBox_SEL"));
  ComboBox_SEL->setGeometry(68, 78, 208, 23);
  for (const std::string_view mode : settings::kPaperModeNames)
    ComboBox_SEL->addItem(Cp932ToQString(mode));
  BitBtn_PrnSet2 =
      MakeGlyphButton(this, {.name = "BitBtn_PrnSet2",
                             .rect = {6, 104, 74, 22},
                             .glyph = Glyph::kMargins,
                             .caption = QStringLiteral("余白調整"),
                             .hint = QStringLiteral("印刷する用紙の上余白、左余白を調整します")});
  Label_Prn_Top = MakeLabel(this, {"Label_Prn_Top", {82, 103}, {}, 11});
  Label_Prn_Left = MakeLabel(this, {"Label_Prn_Left", {82, 114}, {}, 11});
  BitBtn_PrnSet = MakeGlyphButton(
      this, {.name = "BitBtn_PrnSet",
             .rect = {115, 104, 161, 22},
             .glyph = Glyph::kPrinter,
             .caption = QStringLiteral("セットするプリンタを登録"),
             .hint = QStringLiteral("送り状ごとに使用にするプリンタをセットします")});
  connect(ComboBox_SEL, &QComboBox::activated, this, &PrinterGroup::paperModeChosen);
  connect(BitBtn_PrnSet2, &QPushButton::clicked, this, &PrinterGroup::marginsRequested);
  connect(BitBtn_PrnSet, &QPushButton::clicked, this, &PrinterGroup::registerPrinterRequested);
}

QWidget* PrinterGroup::ChainTabOrderAfter(QWidget* previous) {
  ChainTabOrder({previous, ComboBox_SEL, BitBtn_PrnSet2, BitBtn_PrnSet});
  return BitBtn_PrnSet;
}

QComboBox* PrinterGroup::Box(List list) const {
  switch (list) {
    case List::kPrinters:
      return ComboBox_Printer;
    case List::kPaperSizes:
      return ComboBox_Paper;
    case List::kSources:
      return ComboBox_Source;
  }
  return ComboBox_Printer;
}

void PrinterGroup::ShowList(List list, const std::vector<std::string>& names, int index) {
  QComboBox* box = Box(list);
  box->clear();
  for (const std::string& name : names)
    box->addItem(Cp932ToQString(name));
  box->setCurrentIndex(index);
}

void PrinterGroup::Unselect(List list) {
  Box(list)->setCurrentIndex(-1);
}

void PrinterGroup::DisablePrinters() {
  ComboBox_Printer->setEnabled(false);
}

void PrinterGroup::ShowMissingPrinter(const std::optional<std::string>& name) {
  ComboBox_Printer->setPlaceholderText(
      name ? QStringLiteral("「%1」がありません").arg(Cp932ToQString(*name)) : QString());
}

int PrinterGroup::PaperMode() const {
  return ComboBox_SEL->currentIndex();
}

void PrinterGroup::SelectPaperMode(int mode) {
  const QSignalBlocker quiet(ComboBox_SEL);
  ComboBox_SEL->setCurrentIndex(mode);
}

std::string PrinterGroup::PaperModeText() const {
  return QStringToCp932(ComboBox_SEL->currentText()).bytes;
}

void PrinterGroup::ShowMargins(const std::string& top, const std::string& left) {
  Label_Prn_Top->setText(Cp932ToQString(top));
  Label_Prn_Top->adjustSize();
  Label_Prn_Left->setText(Cp932ToQString(left));
  Label_Prn_Left->adjustSize();
}

}  // namespace ruvo::app
