// Getting the position right from the window: the form's scale carried into
// F11 and the batch, texts that run out of their boxes named before
// printing, the print-position dialog's millimetres, scales, test sheet and
// proof, and the preview (F9).
#include <QApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "app/batch_dialog.h"
#include "app/batch_orders_model.h"
#include "app/cp932_line_edit.h"
#include "app/form_slip97y_prn.h"
#include "app/slip_preview.h"
#include "app/window_files.h"
#include "app/window_harness.h"
#include "batch/order_fixture.h"
#include "print/known_slip.h"
#include "print/lm_d97_dot.h"
#include "print/qt_text_measurer.h"
#include "print/slip_proof.h"
#include "print/test_sheet.h"
#include "widgets/ov_num_edit.h"

using ruvo::TOvNumEdit;
using ruvo::app::TCp932Edit;
using ruvo::app::TForm_Main;
using ruvo::app::TForm_SLIP97YPrn;
using ruvo::test::FileBytes;
using ruvo::test::Named;
using ruvo::test::PutCp932Lines;
using ruvo::test::Sj;
using ruvo::test::WindowHarness;

namespace {

const QString kFortyByteName = QStringLiteral("山田太郎山田太郎山田太郎山田太郎山田太郎");

// F11 answered from `answers`; the questions asked.
void PressF11(WindowHarness& harness, std::deque<bool> answers) {
  harness.boxes.answers = std::move(answers);
  QTest::keyClick(Named<TCp932Edit>(*harness.window, "Edit_Zip"), Qt::Key_F11);
}

// The print-position dialog, opened by its button; `act` works in it while
// it stands, and it is closed afterwards however `act` ended.
template <typename Act>
void WithPositionDialog(TForm_Main& window, Act act) {
  ruvo::test::WhileModal<TForm_SLIP97YPrn>(
      [&] { QTest::mouseClick(Named<QPushButton>(window, "BitBtn_PrnSet2"), Qt::LeftButton); },
      [&](TForm_SLIP97YPrn& dialog) {
        act(dialog);
        if (dialog.isVisible()) dialog.reject();
      });
}

// Types `text` into the spin box as a user does, then leaves it.
void TypeInto(QDoubleSpinBox& spin, const QString& text) {
  spin.setFocus();
  spin.selectAll();
  QTest::keyClicks(&spin, text);
}

}  // namespace

class FormMainProofTest : public QObject {
  Q_OBJECT

 private slots:
  void f11PrintsAtTheRegisteredScaleAndNamesWhatDoesNotFit();
  void batchMeasuresItsRowsAndPrintsAtTheRegisteredScale();
  void millimetresAndDotsKeepInStep_data();
  void millimetresAndDotsKeepInStep();
  void scaleIsRegisteredOnlyWhenChanged();
  void testSheetAndProofPrintTheDialogsValuesUnregistered();
  void previewDrawsTheSlipAndFollowsTyping();
};

void FormMainProofTest::f11PrintsAtTheRegisteredScaleAndNamesWhatDoesNotFit() {
  WindowHarness harness;
  harness.service.Printer("Slip").resolution = {360, 360};
  PutCp932Lines(harness.Folder() / "ruvo_q710.ini", {"[手差し]", "slpPrn_Top=7", "slpPrn_Left=-3",
                                                     "slpPrn_ScaleX=1010", "slpPrn_ScaleY=990"});
  TForm_Main& window = harness.Open();
  Named<TCp932Edit>(window, "Edit_Custo1")->setText(kFortyByteName);
  PressF11(harness, {false});
  const QString question = harness.boxes.questions.last();
  QVERIFY2(question.startsWith(QStringLiteral("おなまえが枠に収まりません (")) &&
               question.endsWith(QStringLiteral(" mm はみ出します)\n\n「Slip」に印刷しますか?")),
           qPrintable(question));
  QVERIFY(harness.service.Jobs().empty());
  Named<TCp932Edit>(window, "Edit_Custo1")->setText(QStringLiteral("山田太郎"));
  PressF11(harness, {true});
  QCOMPARE(harness.boxes.questions.last(), QStringLiteral("「Slip」に印刷しますか?"));
  const auto printed = harness.service.PrintedJobs();
  QCOMPARE(printed.size(), std::size_t{1});
  const ruvo::DrawList expected =
      ruvo::SLIP97_Prn(window.Record(), {"360", "360", "7", "-3", "1010", "990"});
  QVERIFY(printed[0]->pages == std::vector<ruvo::DrawList>{expected});
  QVERIFY(expected != ruvo::SLIP97_Prn(window.Record(), {"360", "360", "7", "-3"}));
}

// The rows are checked with the real fonts at the printer's resolution,
// and print at the margins and scale F11 uses.
void FormMainProofTest::batchMeasuresItsRowsAndPrintsAtTheRegisteredScale() {
  WindowHarness harness;
  harness.service.Printer("Slip").resolution = {360, 360};
  PutCp932Lines(harness.Folder() / "ruvo_q710.ini",
                {"[手差し]", "slpPrn_ScaleX=1010", "slpPrn_ScaleY=990"});
  TForm_Main& window = harness.Open();
  const std::filesystem::path csv = harness.Folder() / "orders.csv";
  ruvo::test::PutFile(csv,
                      Sj(std::string(ruvo::test::kOrderHeader) + ruvo::test::OrderLine("一郎") +
                         ruvo::test::OrderLine(kFortyByteName.toStdString())));
  ruvo::test::WriteSenders(harness.Folder());
  QString verdict;
  ruvo::SlipRecord first;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<ruvo::app::BatchDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) qFatal("no batch dialog");
    if (!QTest::qWaitFor([&] { return !dialog->Loading(); }, 20000)) qFatal("not read");
    auto* table = Named<QTableView>(*dialog, "Table_Rows");
    verdict = table->model()->index(1, ruvo::app::BatchOrdersModel::kVerdict).data().toString();
    first = dialog->File().orders[0].slip;
    harness.boxes.answers = {true};
    table->selectRow(0);
    Named<QPushButton>(*dialog, "BitBtn_PrintRow")->click();
    Named<QPushButton>(*dialog, "BitBtn_Close")->click();
  });
  window.OpenOrderFile(csv);
  QVERIFY2(verdict.contains(QStringLiteral("おなまえが枠に収まりません")), qPrintable(verdict));
  const auto printed = harness.service.PrintedJobs();
  QCOMPARE(printed.size(), std::size_t{1});
  QVERIFY(printed[0]->pages == std::vector<ruvo::DrawList>{
                                   ruvo::SLIP97_Prn(first, {"360", "360", "", "", "1010", "990"})});
}

// Millimetres typed give the nearest dot of their axis' resolution; dots
// typed show their millimetres, to the hundredth.
void FormMainProofTest::millimetresAndDotsKeepInStep_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<std::string>("dots");
  QTest::addColumn<QString>("mm");
  // 360 dpi across, 180 down.
  QTest::newRow("top mm at 180 dpi") << "SpinBox_TopMm"
                                     << "1.2" << std::string("9") << QStringLiteral("1.27 mm");
  QTest::newRow("left mm at 360 dpi") << "SpinBox_LeftMm"
                                      << "1.2" << std::string("17") << QStringLiteral("1.20 mm");
  QTest::newRow("negative mm") << "SpinBox_LeftMm"
                               << "-0.85" << std::string("-12") << QStringLiteral("-0.85 mm");
  QTest::newRow("dots show mm") << "OvNumEdit_LEFT"
                                << "-12" << std::string("-12") << QStringLiteral("-0.85 mm");
}

void FormMainProofTest::millimetresAndDotsKeepInStep() {
  QFETCH(QString, field);
  QFETCH(QString, typed);
  QFETCH(std::string, dots);
  QFETCH(QString, mm);
  WindowHarness harness;
  harness.service.Printer("Slip").resolution = {360, 180};
  TForm_Main& window = harness.Open();
  const bool top = field.contains(QStringLiteral("Top"));
  WithPositionDialog(window, [&](TForm_SLIP97YPrn& dialog) {
    auto* spin = Named<QDoubleSpinBox>(dialog, top ? "SpinBox_TopMm" : "SpinBox_LeftMm");
    auto* edit = Named<TOvNumEdit>(dialog, top ? "OvNumEdit_TOP" : "OvNumEdit_LEFT");
    if (field.startsWith(QStringLiteral("SpinBox"))) {
      TypeInto(*spin, typed);
      QCOMPARE(edit->GetText(), dots);  // in step while typing
      QTest::keyClick(spin, Qt::Key_Return);
    } else {
      edit->SetText(typed.toStdString());
    }
    QCOMPARE(edit->GetText(), dots);
    QCOMPARE(spin->text(), mm);
  });
}

// A scale left as it was writes no scale keys (a file without them keeps
// lacking them); a changed one writes both, and F11 prints at it.
void FormMainProofTest::scaleIsRegisteredOnlyWhenChanged() {
  WindowHarness harness;
  harness.service.Printer("Slip").resolution = {360, 360};
  PutCp932Lines(harness.Folder() / "ruvo_q710.ini", {"[手差し]", "slpPrn_Top=5"});
  TForm_Main& window = harness.Open();
  harness.boxes.answers = {true};
  WithPositionDialog(window, [&](TForm_SLIP97YPrn& dialog) {
    QCOMPARE(Named<QDoubleSpinBox>(dialog, "SpinBox_ScaleX")->text(), QStringLiteral("100.0 %"));
    Named<TOvNumEdit>(dialog, "OvNumEdit_TOP")->SetText("6");
    Named<QPushButton>(dialog, "BitBtn_MRGN")->click();
  });
  QVERIFY(FileBytes(harness.Folder() / "ruvo_q710.ini").find("Scale") == std::string::npos);
  harness.boxes.answers = {true};
  WithPositionDialog(window, [&](TForm_SLIP97YPrn& dialog) {
    TypeInto(*Named<QDoubleSpinBox>(dialog, "SpinBox_ScaleX"), QStringLiteral("101"));
    Named<QPushButton>(dialog, "BitBtn_MRGN")->click();
  });
  const std::string file = FileBytes(harness.Folder() / "ruvo_q710.ini");
  QVERIFY2(file.find("slpPrn_ScaleX=1010\r\n") != std::string::npos &&
               file.find("slpPrn_ScaleY=1000\r\n") != std::string::npos,
           file.c_str());
  QCOMPARE(window.Labels().scaleX, std::string("1010"));
  PressF11(harness, {true});
  QVERIFY(harness.service.PrintedJobs().back()->pages ==
          std::vector<ruvo::DrawList>{
              ruvo::SLIP97_Prn(window.Record(), {"360", "360", "6", "", "1010", "1000"})});
}

// Both print on the printer in force at the values the dialog holds, which
// stay unregistered; the proof marks the name that does not fit.
void FormMainProofTest::testSheetAndProofPrintTheDialogsValuesUnregistered() {
  WindowHarness harness;
  harness.service.Printer("Slip").resolution = {360, 360};
  TForm_Main& window = harness.Open();
  Named<TCp932Edit>(window, "Edit_Custo1")->setText(kFortyByteName);
  const std::string before = FileBytes(harness.Folder() / "ruvo_q710.ini");
  const std::string topBefore = window.Labels().top;
  WithPositionDialog(window, [&](TForm_SLIP97YPrn& dialog) {
    Named<TOvNumEdit>(dialog, "OvNumEdit_TOP")->SetText("20");
    TypeInto(*Named<QDoubleSpinBox>(dialog, "SpinBox_ScaleY"), QStringLiteral("99.5"));
    harness.boxes.answers = {false, true, true};
    Named<QPushButton>(dialog, "BitBtn_TestSheet")->click();
    QVERIFY(harness.service.Jobs().empty());
    Named<QPushButton>(dialog, "BitBtn_TestSheet")->click();
    Named<QPushButton>(dialog, "BitBtn_Proof")->click();
    QVERIFY(dialog.isVisible());
  });
  QCOMPARE(
      harness.boxes.questions,
      QStringList({QStringLiteral("「Slip」にテスト印字しますか?\n普通紙をセットしてください。"),
                   QStringLiteral("「Slip」にテスト印字しますか?\n普通紙をセットしてください。"),
                   QStringLiteral("「Slip」に確認印刷しますか?\n普通紙をセットしてください。")}));
  const ruvo::SlipPrintValues values{"360", "360", "20", "", "", "995"};
  const ruvo::SlipRecord slip = window.Record();
  const auto overflows = ruvo::MeasureOverflows(slip, values, ruvo::QtTextMeasurer());
  QCOMPARE(overflows.size(), std::size_t{1});
  const auto printed = harness.service.PrintedJobs();
  QCOMPARE(printed.size(), std::size_t{2});
  QVERIFY(printed[0]->pages == std::vector<ruvo::DrawList>{ruvo::TestSheet(values)});
  QVERIFY(printed[1]->pages ==
          std::vector<ruvo::DrawList>{ruvo::SlipProof(slip, values, overflows)});
  QCOMPARE(window.Labels().top, topBefore);
  QCOMPARE(FileBytes(harness.Folder() / "ruvo_q710.ini"), before);
}

namespace {

// How many pixels of `image` inside `area` satisfy `is`.
template <typename Test>
int Count(const QImage& image, const QRect& area, Test is) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (image.valid(x, y) && is(image.pixelColor(x, y))) ++count;
    }
  }
  return count;
}

bool Red(const QColor& c) {
  return c.red() > 150 && c.green() < 90 && c.blue() < 90;
}
bool Dark(const QColor& c) {
  return c.red() < 90 && c.green() < 90 && c.blue() < 90;
}
bool Grey(const QColor& c) {
  return std::abs(c.red() - c.green()) < 12 && c.red() > 80 && c.red() < 230;
}

// The area in view pixels of the text op `text`, one em tall and `ems` wide.
QRect TextArea(const ruvo::app::ProofView& view, const std::string& text, double ems) {
  const ruvo::app::ProofPicture& picture = view.Picture();
  for (const ruvo::DrawOp& op : picture.list) {
    if (op.text != text) continue;
    const QPointF scale = view.PixelsPerDot();
    const double inches = op.pointSize / 72.0;  // one em
    return QRectF(op.x * scale.x(), op.y * scale.y(), inches * picture.dpiX * scale.x() * ems,
                  inches * picture.dpiY * scale.y())
        .toRect();
  }
  qFatal("no text %s", ruvo::test::Utf8(text).c_str());
}

}  // namespace

// The known slip as F9 shows it at 100 %: its texts black at their places,
// the boxes' outlines grey, and the name, once typed too long, red and
// named under the page; typing redraws it without a further step.
void FormMainProofTest::previewDrawsTheSlipAndFollowsTyping() {
  WindowHarness harness;
  harness.service.Printer("Slip").resolution = {360, 180};
  TForm_Main& window = harness.Open();
  window.WriteRecord(ruvo::test::KnownSlip());
  QTest::keyClick(Named<TCp932Edit>(window, "Edit_Zip"), Qt::Key_F9);
  auto* preview = window.findChild<ruvo::app::SlipPreview*>();
  QVERIFY(preview != nullptr && preview->isVisible());
  ruvo::app::ProofView& view = preview->View();
  QCOMPARE(view.Picture().dpiX, 360);
  QVERIFY(view.Picture().notes.isEmpty());
  QImage image = view.grab().toImage();
  const QRect name = TextArea(view, Sj("山田太郎"), 4);
  QVERIFY(Count(image, name, Dark) > 20);
  QCOMPARE(Count(image, name, Red), 0);
  QVERIFY(Count(image, TextArea(view, Sj("広島県広島市中区白島北町１－２－３"), 4), Dark) > 20);
  const auto frame = std::find_if(
      view.Picture().list.begin(), view.Picture().list.end(), [](const ruvo::DrawOp& op) {
        return op.shape == ruvo::DrawShape::kFrame && op.ink == ruvo::DrawInk::kGrey;
      });
  QVERIFY(frame != view.Picture().list.end());
  const QPointF scale = view.PixelsPerDot();
  const QPoint corner(static_cast<int>(frame->x * scale.x()),
                      static_cast<int>(frame->y * scale.y()));
  QVERIFY(Count(image, QRect(corner - QPoint(1, 1), QSize(8, 3)), Grey) > 0);
  QVERIFY(Named<QWidget>(window, "Edit_Custo1")->isEnabled());
  auto* nameEdit = Named<TCp932Edit>(window, "Edit_Custo1");
  nameEdit->setFocus();
  nameEdit->end(false);
  for (const QChar character : QStringLiteral("山田太郎山田太郎山田太郎山田太郎")) {
    QTest::sendKeyEvent(QTest::Press, nameEdit, Qt::Key_unknown, QString(character),
                        Qt::NoModifier);
  }
  QCOMPARE(nameEdit->text(), kFortyByteName);
  QTRY_COMPARE(view.Picture().notes.size(), qsizetype{1});
  QVERIFY(view.Picture().notes[0].startsWith(QStringLiteral("おなまえが枠に収まりません (")));
  image = view.grab().toImage();
  QVERIFY(Count(image, TextArea(view, Sj(kFortyByteName.toStdString()), 20), Red) > 20);
  QDir().mkpath(QStringLiteral(RUVO_GRAB_DIR));
  QVERIFY(preview->grab().save(QStringLiteral(RUVO_GRAB_DIR "/slip_preview.png")));
}

QTEST_MAIN(FormMainProofTest)
#include "form_main_proof_test.moc"
