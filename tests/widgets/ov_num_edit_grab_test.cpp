// Pictures of the quantity box and a margin box after typing, written to the
// build tree (grabs/) so that a person can look at them; each is also saved
// four times enlarged. The checks here are what the pictures must show.

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QVBoxLayout>

#include "numedit/num_edit_presets.h"
#include "widgets/ov_num_edit.h"
#include "widgets/ov_num_edit_presets.h"

using ruvo::TOvNumEdit;

namespace {

constexpr int kEnlarge = 4;

void SaveGrab(QWidget& widget, const QString& name) {
  QDir().mkpath(QStringLiteral(RUVO_GRAB_DIR));
  const QImage image = widget.grab().toImage();
  const QString path = QStringLiteral(RUVO_GRAB_DIR) + u'/' + name;
  QVERIFY(image.save(path + QStringLiteral(".png")));
  QVERIFY(image.scaled(image.size() * kEnlarge).save(path + QStringLiteral("_x4.png")));
}

// Rightmost column holding a pixel darker than mid grey: where the text ends.
int TextRightEdge(const QImage& image, const QRect& area) {
  for (int x = area.right(); x >= area.left(); --x)
    for (int y = area.top(); y <= area.bottom(); ++y)
      if (qGray(image.pixel(x, y)) < 128) return x;
  return -1;
}

}  // namespace

class OvNumEditGrabTest : public QObject {
  Q_OBJECT

 private slots:
  void quantityBoxAfterTyping();
  void marginBoxAfterTyping();
};

// The quantity box starts at 「999」, Tab selects it, 「1」「2」「3」「4」 keeps
// 「123」 right-aligned one pixel left of the right edge of the client area.
void OvNumEditGrabTest::quantityBoxAfterTyping() {
  QWidget window;
  TOvNumEdit box(&window);
  ruvo::ApplyNumEditInstance(box, ruvo::num_presets::OvNumEdit_KOSUU());
  box.move(10, 10);
  window.resize(60, 40);
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  box.setFocus(Qt::TabFocusReason);
  SaveGrab(box, QStringLiteral("kosuu_selected"));
  QTest::keyClicks(&box, QStringLiteral("1234"));
  QCOMPARE(box.text(), QStringLiteral("123"));
  box.Model().ClearSelection();
  SaveGrab(box, QStringLiteral("kosuu_typed_123"));
  const QImage image = box.grab().toImage();
  const QRect client = box.ClientRect();
  const QRect number = box.NumberRect().translated(client.topLeft());
  QVERIFY(TextRightEdge(image, number) <= client.right() - 1);
  QVERIFY(TextRightEdge(image, number) >= number.left());
}

// The top margin box takes a sign and decimals: 「-1.5」 after typing
// 「1」「.」「5」「-」; AutoSize fits its height to the 12-pixel face.
void OvNumEditGrabTest::marginBoxAfterTyping() {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* caption = new QLabel(QStringLiteral("TOPﾏｰｼﾞﾝ"), &window);
  auto* box = new TOvNumEdit(&window);
  ruvo::ApplyNumEditInstance(*box, ruvo::num_presets::OvNumEdit_TOP());
  box->setFixedSize(box->size());
  layout->addWidget(caption);
  layout->addWidget(box);
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  box->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(box, QStringLiteral("1.5-"));
  QCOMPARE(box->text(), QStringLiteral("-1.5"));
  QCOMPARE(box->ClientRect().height(), box->TextHeight() + 4);
  SaveGrab(*box, QStringLiteral("top_margin_typed"));
  SaveGrab(window, QStringLiteral("top_margin_dialog"));
}

QTEST_MAIN(OvNumEditGrabTest)
#include "ov_num_edit_grab_test.moc"
