// The main window as it appears: its size under the window's real fonts,
// the controls that overlap, and a picture of it for a person to look at.
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <cstdlib>

#include "app/window_harness.h"
#include "app/window_kit.h"
#include "app/window_style.h"
#include "widgets/ov_num_edit.h"

using ruvo::app::TCp932Edit;
using ruvo::test::Named;
using ruvo::test::WindowHarness;

class FormMainLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void clientAreaIsFixedAt682By663();
  void fontsAreTheInstalledStandIns();
  void quantityBoxKeepsItsSizeUnderTheWindowFont();
  void timeSlotsStandAboveTheGoodsLines();
  void groupFramesLookAsFusionDrawsThem_data();
  void groupFramesLookAsFusionDrawsThem();
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
  QCOMPARE(Named<ruvo::TOvNumEdit>(window, "OvNumEdit_KOSUU")->size(), QSize(35, 20));
}

// The goods lines pass under the time-slot group and the mail button: what
// is under the middle of every slot is that slot.
void FormMainLayoutTest::timeSlotsStandAboveTheGoodsLines() {
  WindowHarness harness;
  auto& window = harness.Open();
  for (QCheckBox* slot : ruvo::test::TimeSlotBoxes(window)) {
    const QPoint middle = slot->mapTo(&window, slot->rect().center());
    QCOMPARE(window.childAt(middle), slot);
  }
}

void FormMainLayoutTest::groupFramesLookAsFusionDrawsThem_data() {
  QTest::addColumn<QString>("title");
  QTest::newRow("titled") << QStringLiteral("ご希望時間帯");
  QTest::newRow("untitled") << QString();
}

// The frame must stand where Fusion's stood and look the same: only the
// shading of its four corners may differ, by a shade.
void FormMainLayoutTest::groupFramesLookAsFusionDrawsThem() {
  QFETCH(QString, title);
  QCOMPARE(QApplication::style()->name(), QStringLiteral("fusion"));
  QWidget host;
  host.resize(120, 100);
  auto* group = new QGroupBox(title, &host);
  group->setGeometry(10, 5, 100, 90);
  group->setFont(ruvo::app::WindowFont(12));
  const QImage fusion = host.grab().toImage().convertToFormat(QImage::Format_RGB32);
  ruvo::app::WindowStyle style;
  group->setStyle(&style);
  const QImage ours = host.grab().toImage().convertToFormat(QImage::Format_RGB32);
  group->setStyle(nullptr);
  QCOMPARE(ours.size(), fusion.size());
  int differing = 0;
  int largest = 0;
  for (int y = 0; y < fusion.height(); ++y) {
    for (int x = 0; x < fusion.width(); ++x) {
      const QRgb a = fusion.pixel(x, y);
      const QRgb b = ours.pixel(x, y);
      const int difference = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                       std::abs(qBlue(a) - qBlue(b))});
      if (difference > 2) ++differing;
      largest = std::max(largest, difference);
    }
  }
  QVERIFY2(differing <= 4 * 6, qPrintable(QStringLiteral("%1 pixels differ").arg(differing)));
  QVERIFY2(largest <= 16, qPrintable(QStringLiteral("by up to %1").arg(largest)));
}

void FormMainLayoutTest::savesAPicture() {
  WindowHarness harness;
  auto& window = harness.Open();
  // Where the next slip goes stands whole at the right of the status bar.
  const auto* inForce = window.findChild<QLabel*>(QStringLiteral("Label_PrinterInForce"));
  QCOMPARE(inForce->text(), QStringLiteral("印刷先: Slip / A4 / Upper"));
  QTRY_VERIFY(inForce->width() >= inForce->sizeHint().width());
  QDir().mkpath(QStringLiteral(RUVO_GRAB_DIR));
  const QString file = QStringLiteral(RUVO_GRAB_DIR "/form_main.png");
  QVERIFY(window.grab().save(file));
}

QTEST_MAIN(FormMainLayoutTest)
#include "form_main_layout_test.moc"
