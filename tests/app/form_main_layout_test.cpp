// The main window as it appears: its size under the window's real fonts,
// the controls that overlap, and a picture of it for a person to look at.
#include <QCheckBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QTest>

#include "app/goods_band.h"
#include "app/window_harness.h"
#include "widgets/ov_num_edit.h"

using ruvo::test::WindowHarness;

class FormMainLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void clientAreaIsFixedAt682By663();
  void fontsAreTheInstalledStandIns();
  void quantityBoxKeepsItsSizeUnderTheWindowFont();
  void timeSlotsStandAboveTheGoodsLines();
  void savesAPicture();
};

void FormMainLayoutTest::clientAreaIsFixedAt682By663() {
  WindowHarness harness;
  auto& window = harness.Open();
  QCOMPARE(window.size(), QSize(682, 663));
  QCOMPARE(window.minimumSize(), window.maximumSize());
  QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
}

// A missing font would let fontconfig fall back silently, and every width
// of the window would be off.
void FormMainLayoutTest::fontsAreTheInstalledStandIns() {
  WindowHarness harness;
  auto& window = harness.Open();
  QCOMPARE(QFontInfo(window.font()).family(), QStringLiteral("IPAPGothic"));
  QCOMPARE(QFontInfo(window.font()).pixelSize(), 16);
  auto* memo = window.findChild<QWidget*>(QStringLiteral("Memo1"));
  QCOMPARE(QFontInfo(memo->font()).pixelSize(), 13);
}

void FormMainLayoutTest::quantityBoxKeepsItsSizeUnderTheWindowFont() {
  WindowHarness harness;
  auto& window = harness.Open();
  QCOMPARE(window.Band4()->OvNumEdit_KOSUU->size(), QSize(35, 20));
}

// The goods lines pass under the time-slot group and the mail button: what
// is under the middle of every slot is that slot.
void FormMainLayoutTest::timeSlotsStandAboveTheGoodsLines() {
  WindowHarness harness;
  auto& window = harness.Open();
  for (QCheckBox* slot : window.Band4()->TimeSlots()) {
    const QPoint middle = slot->mapTo(&window, slot->rect().center());
    QCOMPARE(window.childAt(middle), slot);
  }
}

void FormMainLayoutTest::savesAPicture() {
  WindowHarness harness;
  auto& window = harness.Open();
  QDir().mkpath(QStringLiteral(RUVO_GRAB_DIR));
  const QString file = QStringLiteral(RUVO_GRAB_DIR "/form_main.png");
  QVERIFY(window.grab().save(file));
}

QTEST_MAIN(FormMainLayoutTest)
#include "form_main_layout_test.moc"
