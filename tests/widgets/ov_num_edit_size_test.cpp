// Measuring and size rules of the numeric box: the width test behind
// eoORInputStop, the border's share of the width, and the design-time width.

#include <QTest>

#include "qt_text/font_substitution.h"
#include "widgets/ov_num_edit.h"
#include "widgets/ov_num_edit_presets.h"

using ruvo::TOvNumEdit;

class OvNumEditSizeTest : public QObject {
  Q_OBJECT

 private slots:
  void measuresEmptyTextAsZero();
  void availableWidthCountsBorder();
  void inputStopRefusesDigitOnePixelTooWide();
  void designTimeWidthFitsWidestNumber();
  void clientHeightWithoutBorder();
  void quantityBoxKeepsItsSizeUnderAnInheritedFont_data();
  void quantityBoxKeepsItsSizeUnderAnInheritedFont();
};

void OvNumEditSizeTest::measuresEmptyTextAsZero() {
  TOvNumEdit box;
  QCOMPARE(box.TextWidth(""), 0);
  QCOMPARE(box.TextWidth("7"), box.fontMetrics().horizontalAdvance(QStringLiteral("7")) + 1);
}

// The sunken edge is counted once more inside the client width: 2 px a
// side with bsSingle, 1 px without a border.
void OvNumEditSizeTest::availableWidthCountsBorder() {
  TOvNumEdit box;
  box.resize(121, 30);
  QCOMPARE(box.ClientRect().width(), 117);
  QCOMPARE(box.AvailableWidth(), 117 - 2 - 2 - 4);
  box.SetBorderStyle(ruvo::bsNone);
  QCOMPARE(box.ClientRect().width(), 121);
  QCOMPARE(box.AvailableWidth(), 121 - 2 - 2 - 2);
}

// The room is made exactly as wide as 「1,234」: that display still fits, the
// fifth digit's 「12,345」 does not and is refused.
void OvNumEditSizeTest::inputStopRefusesDigitOnePixelTooWide() {
  TOvNumEdit box;
  box.Model().Behaviour().options.Include(ruvo::eoORInputStop);
  box.Model().Behaviour().errorBeep = false;
  const int room = box.TextWidth("1,234");
  box.resize(room + 2 + 2 + 4 + 4, 30);
  QCOMPARE(box.AvailableWidth(), room);
  QTest::keyClicks(&box, QStringLiteral("12345"));
  QCOMPARE(box.text(), QStringLiteral("1234"));
  box.Model().Behaviour().options.Exclude(ruvo::eoORInputStop);
  QTest::keyClicks(&box, QStringLiteral("5"));
  QCOMPARE(box.text(), QStringLiteral("12345"));
}

// Only a designer's preview with eoAutoWidthSize and AutoSize resizes the
// width; at run time the width stays as the host set it.
void OvNumEditSizeTest::designTimeWidthFitsWidestNumber() {
  TOvNumEdit box;
  box.Model().Behaviour().options.Include(ruvo::eoAutoWidthSize);
  box.SetRightMark("kg");
  QCOMPARE(box.width(), 121);
  box.SetDesigning(true);
  const int client = box.TextWidth("-000,000,000.000") + box.TextWidth("kg") + 2 + 2 + 2;
  QCOMPARE(box.ClientRect().width(), client);
  box.SetAutoSize(false);
  box.SetIntegerLength(3);
  QCOMPARE(box.ClientRect().width(), client);
}

void OvNumEditSizeTest::clientHeightWithoutBorder() {
  QWidget parent;
  TOvNumEdit box(&parent);
  box.SetBorderStyle(ruvo::bsNone);
  QCOMPARE(box.height(), box.TextHeight() + 4);
  QCOMPARE(box.ClientRect(), box.rect());
}

void OvNumEditSizeTest::quantityBoxKeepsItsSizeUnderAnInheritedFont_data() {
  QTest::addColumn<int>("parentPixels");
  QTest::newRow("window's 16 px") << 16;
  QTest::newRow("12 px") << 12;
  QTest::newRow("22 px") << 22;
}

// The box is made inside its window, so the margins are written while it
// still has the window's font: a box without AutoSize must keep the size
// its window gives it whatever that font is.
void OvNumEditSizeTest::quantityBoxKeepsItsSizeUnderAnInheritedFont() {
  QFETCH(int, parentPixels);
  QWidget parent;
  QFont font(ruvo::SubstituteFontFamily(ruvo::num_presets::kFontFace));
  font.setPixelSize(parentPixels);
  parent.setFont(font);
  TOvNumEdit box(&parent);
  ruvo::ApplyNumEditInstance(box, ruvo::num_presets::OvNumEdit_KOSUU());
  QCOMPARE(box.size(), QSize(35, 20));
}

QTEST_MAIN(OvNumEditSizeTest)
#include "ov_num_edit_size_test.moc"
