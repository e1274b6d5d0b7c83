// Placement of marks, room, number and caret from measured widths.

#include "widgets/ov_num_edit_layout.h"

#include <QTest>

using ruvo::ComputeNumEditGeometry;
using ruvo::NumEditGeometry;
using ruvo::NumEditGeometryInput;
using ruvo::NumEditWidths;

Q_DECLARE_METATYPE(ruvo::TAlignment)
Q_DECLARE_METATYPE(ruvo::TVertAlignment)

namespace {

// 121 × 16 client, margins 2, text line 12 high; L 10, W 31, F 21, R 7.
NumEditGeometryInput Input(ruvo::TAlignment alignment) {
  NumEditGeometryInput in;
  in.client = QSize(121, 16);
  in.settings.alignment = alignment;
  in.textHeight = 12;
  in.widths = NumEditWidths{10, 31, 21, 7, 15};
  return in;
}

}  // namespace

class OvNumEditLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void placesBlock_data();
  void placesBlock();
  void centreMovesOddRightMarkOnePixelLeft();
  void emptyNumberPutsCaretOneLeftOfItsRoom();
  void placesTextLine_data();
  void placesTextLine();
};

void OvNumEditLayoutTest::placesBlock_data() {
  QTest::addColumn<ruvo::TAlignment>("alignment");
  QTest::addColumn<int>("blockLeft");
  // T = 10 + 31 + 7 = 48.
  QTest::newRow("left: at the left margin") << ruvo::taLeftJustify << 2;
  QTest::newRow("right: 121 - 2 - 1 - 48") << ruvo::taRightJustify << 70;
  QTest::newRow("centre: 2 + 117/2 - 48/2") << ruvo::taCenter << 36;
}

void OvNumEditLayoutTest::placesBlock() {
  QFETCH(ruvo::TAlignment, alignment);
  QFETCH(int, blockLeft);
  const NumEditGeometry g = ComputeNumEditGeometry(Input(alignment));
  QCOMPARE(g.leftMark, QRect(blockLeft, 2, 10, 12));
  QCOMPARE(g.reserved, QRect(blockLeft + 10, 2, 31, 12));
  // The number is right-aligned in its room.
  QCOMPARE(g.number, QRect(blockLeft + 41 - 21, 2, 21, 12));
  QCOMPARE(g.rightMark, QRect(blockLeft + 41, 2, 7, 12));
  QCOMPARE(g.caret, QPoint(blockLeft + 20 + 15 - 1, 2));
}

// T = 49 is odd: the right mark starts at 2 + 58 + 24 - 7 = 77, one pixel
// left of the end of the room at 2 + 58 - 24 + 10 + 32 = 78.
void OvNumEditLayoutTest::centreMovesOddRightMarkOnePixelLeft() {
  NumEditGeometryInput in = Input(ruvo::taCenter);
  in.widths.reserved = 32;
  const NumEditGeometry g = ComputeNumEditGeometry(in);
  QCOMPARE(g.reserved.left() + g.reserved.width(), 78);
  QCOMPARE(g.rightMark.left(), 77);
}

// Right alignment, nothing shown: the caret stands at CW - RightMargin - 2.
void OvNumEditLayoutTest::emptyNumberPutsCaretOneLeftOfItsRoom() {
  NumEditGeometryInput in = Input(ruvo::taRightJustify);
  in.widths = NumEditWidths{};
  const NumEditGeometry g = ComputeNumEditGeometry(in);
  QCOMPARE(g.number.left(), 118);
  QCOMPARE(g.caret.x(), 121 - 2 - 2);
}

void OvNumEditLayoutTest::placesTextLine_data() {
  QTest::addColumn<ruvo::TVertAlignment>("alignment");
  QTest::addColumn<int>("top");
  QTest::addColumn<int>("bottom");
  // Client 30 high, line 12, top margin 3, bottom margin 5.
  QTest::newRow("top: at the top margin") << ruvo::taTopJustify << 3 << 15;
  QTest::newRow("bottom: bottom margin above the bottom") << ruvo::taBottomJustify << 13 << 25;
  QTest::newRow("centre: (30 - 12 - 8)/2 + 3") << ruvo::taVCenter << 8 << 20;
}

void OvNumEditLayoutTest::placesTextLine() {
  QFETCH(ruvo::TVertAlignment, alignment);
  QFETCH(int, top);
  QFETCH(int, bottom);
  NumEditGeometryInput in = Input(ruvo::taLeftJustify);
  in.client = QSize(121, 30);
  in.settings.vertAlignment = alignment;
  in.settings.topMargin = 3;
  in.settings.bottomMargin = 5;
  const NumEditGeometry g = ComputeNumEditGeometry(in);
  QCOMPARE(g.number.top(), top);
  QCOMPARE(g.number.top() + g.number.height(), bottom);
  QCOMPARE(g.caret.y(), top);
}

QTEST_GUILESS_MAIN(OvNumEditLayoutTest)
#include "ov_num_edit_layout_test.moc"
