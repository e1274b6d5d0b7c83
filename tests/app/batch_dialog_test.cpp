// The batch dialog offscreen over the fake print service: an order file
// dropped on the window, its rows and problems, one job of the good rows,
// a chosen row alone, cancel, and a file fixed and read again.
#include "app/batch_dialog.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "app/cp932_line_edit.h"
#include "app/window_harness.h"
#include "batch/order_fixture.h"
#include "print/lm_d97_dot.h"

using ruvo::app::BatchDialog;
using ruvo::app::TCp932Edit;
using ruvo::test::FakeJob;
using ruvo::test::Named;
using ruvo::test::PutFile;
using ruvo::test::Sj;
using ruvo::test::WindowHarness;

namespace {

// Whether a printed page holds `name` where the slip's name goes.
bool PageNames(const ruvo::DrawList& page, const char* name) {
  return std::any_of(page.begin(), page.end(), [&](const ruvo::DrawOp& op) {
    return op.text == Sj(name) && op.x == 495 && op.y == 743;  // 360 dpi, margins 0
  });
}

std::unique_ptr<BatchDialog> DialogOn(WindowHarness& harness, const std::string& csvUtf8) {
  const std::filesystem::path csv = harness.Folder() / "orders.csv";
  PutFile(csv, Sj(csvUtf8));
  ruvo::test::WriteSenders(harness.Folder());
  ruvo::batch::OrderFileSource source{csv, {}, {}, harness.Folder(), 0, nullptr, {}};
  return std::make_unique<BatchDialog>(
      ruvo::app::BatchDialogSetup{*harness.printer, harness.boxes, "0", "0",
                                  [source] { return ruvo::batch::LoadOrderFile(source); },
                                  QStringLiteral("orders.csv")},
      nullptr);
}

std::string ThreeRowsSecondBad() {
  return std::string(ruvo::test::kOrderHeader) + ruvo::test::OrderLine("一郎") +
         ruvo::test::OrderLine("二郎", "105-0011", "0") + ruvo::test::OrderLine("三郎");
}

}  // namespace

class BatchDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void droppedFileOpensTheBatchAndLeavesTheWindowsSlip();
  void problemRowsAreMarkedAndLeftOutOfTheJob();
  void fileProblemStopsPrintingUntilTheFixedFileIsReadAgain();
  void chosenRowPrintsAlone();
  void cancelAbandonsTheWholeJob();
  void refusedJobIsShownAndTheDialogGoesOn();
};

void BatchDialogTest::droppedFileOpensTheBatchAndLeavesTheWindowsSlip() {
  WindowHarness harness;
  ruvo::app::TForm_Main& window = harness.Open();
  Named<TCp932Edit>(window, "Edit_Custo1")->setText(QStringLiteral("窓の宛名"));
  const ruvo::DrawList before = ruvo::SLIP97_Prn(window.Record(), {"360", "360", "0", "0"});
  PutFile(harness.Folder() / "orders.csv", Sj(ruvo::test::OrderFileOf(3)));
  ruvo::test::WriteSenders(harness.Folder());
  harness.boxes.answers = {true};
  int rowsShown = -1;
  // The dialog opens once the drop has ended, modally: handled from a timer.
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &window, [&] {
    auto* dialog = qobject_cast<BatchDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    poll.stop();
    rowsShown = Named<QTableWidget>(*dialog, "Table_Rows")->rowCount();
    Named<QPushButton>(*dialog, "BitBtn_PrintAll")->click();
    Named<QPushButton>(*dialog, "BitBtn_Close")->click();
  });
  poll.start(10);
  // Dropped on a field, which would otherwise take the file's name as text.
  QMimeData data;
  data.setUrls(
      {QUrl::fromLocalFile(QString::fromStdString((harness.Folder() / "orders.csv").string()))});
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(Named<TCp932Edit>(window, "Edit_Custo1"), &enter);
  QVERIFY(enter.isAccepted());
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(Named<TCp932Edit>(window, "Edit_Custo1"), &drop);
  QTRY_COMPARE(rowsShown, 3);
  QVERIFY(harness.boxes.errors.isEmpty());
  const auto printed = harness.service.PrintedJobs();
  QCOMPARE(printed.size(), std::size_t{1});
  QCOMPARE(printed[0]->pages.size(), std::size_t{3});
  QVERIFY(PageNames(printed[0]->pages[0], "注文者1"));
  QVERIFY(PageNames(printed[0]->pages[2], "注文者3"));
  QCOMPARE(Named<TCp932Edit>(window, "Edit_Custo1")->text(), QStringLiteral("窓の宛名"));
  QVERIFY(ruvo::SLIP97_Prn(window.Record(), {"360", "360", "0", "0"}) == before);
}

void BatchDialogTest::problemRowsAreMarkedAndLeftOutOfTheJob() {
  WindowHarness harness;
  const auto dialog = DialogOn(harness, ThreeRowsSecondBad());
  QCOMPARE(Named<QTableWidget>(*dialog, "Table_Rows")->rowCount(), 3);
  QCOMPARE(Named<QTableWidget>(*dialog, "Table_Rows")->verticalHeaderItem(1)->text(),
           QStringLiteral("3"));  // spreadsheet row
  const QTableWidgetItem* verdict = Named<QTableWidget>(*dialog, "Table_Rows")->item(1, 6);
  QVERIFY2(verdict->text().startsWith(QStringLiteral("個数: 個数は 1 から 999")),
           qPrintable(verdict->text()));
  QVERIFY(verdict->background() !=
          Named<QTableWidget>(*dialog, "Table_Rows")->item(0, 6)->background());
  QCOMPARE(Named<QTableWidget>(*dialog, "Table_Rows")->item(0, 6)->text(),
           QStringLiteral("印刷できます"));
  QDir().mkpath(QStringLiteral(RUVO_GRAB_DIR));
  QVERIFY(dialog->grab().save(QStringLiteral(RUVO_GRAB_DIR "/batch_dialog.png")));
  harness.boxes.answers = {true};
  Named<QPushButton>(*dialog, "BitBtn_PrintAll")->click();
  QCOMPARE(harness.boxes.questions.last(),
           QStringLiteral("問題のある 1 行を除いて、2 枚の送り状を印刷しますか?"));
  const auto printed = harness.service.PrintedJobs();
  QCOMPARE(printed.size(), std::size_t{1});
  QCOMPARE(printed[0]->pages.size(), std::size_t{2});
  QVERIFY(PageNames(printed[0]->pages[1], "三郎"));
  QCOMPARE(harness.boxes.notices.last(), QStringLiteral("2 枚の送り状を印刷しました"));
}

void BatchDialogTest::fileProblemStopsPrintingUntilTheFixedFileIsReadAgain() {
  WindowHarness harness;
  const auto dialog =
      DialogOn(harness, "郵便番号,住所1,氏名,のし\r\n105-0011,東京都港区芝公園,山田,御中元\r\n");
  QVERIFY(!Named<QLabel>(*dialog, "Label_Problems")->isHidden());
  QVERIFY2(Named<QLabel>(*dialog, "Label_Problems")
               ->text()
               .startsWith(QStringLiteral("1 行目 のし: どの項目の列か")),
           qPrintable(Named<QLabel>(*dialog, "Label_Problems")->text()));
  QVERIFY(!Named<QPushButton>(*dialog, "BitBtn_PrintAll")->isEnabled());
  QCOMPARE(Named<QTableWidget>(*dialog, "Table_Rows")->item(0, 6)->text(),
           QStringLiteral("ファイルの問題を直すと印刷できます"));
  PutFile(harness.Folder() / "orders.csv",
          Sj("郵便番号,住所1,氏名\r\n105-0011,東京都港区芝公園,山田\r\n"));
  Named<QPushButton>(*dialog, "BitBtn_Reload")->click();
  QVERIFY(Named<QLabel>(*dialog, "Label_Problems")->isHidden());
  QVERIFY(Named<QPushButton>(*dialog, "BitBtn_PrintAll")->isEnabled());
}

void BatchDialogTest::chosenRowPrintsAlone() {
  WindowHarness harness;
  const auto dialog = DialogOn(harness, ThreeRowsSecondBad());
  Named<QTableWidget>(*dialog, "Table_Rows")->selectRow(1);
  QVERIFY(!Named<QPushButton>(*dialog, "BitBtn_PrintRow")->isEnabled());  // the row with a problem
  Named<QTableWidget>(*dialog, "Table_Rows")->selectRow(2);
  harness.boxes.answers = {true};
  Named<QPushButton>(*dialog, "BitBtn_PrintRow")->click();
  QCOMPARE(harness.boxes.questions.last(), QStringLiteral("4 行目 (三郎) の送り状を印刷しますか?"));
  const auto printed = harness.service.PrintedJobs();
  QCOMPARE(printed.size(), std::size_t{1});
  QCOMPARE(printed[0]->pages.size(), std::size_t{1});
  QVERIFY(PageNames(printed[0]->pages[0], "三郎"));
}

void BatchDialogTest::cancelAbandonsTheWholeJob() {
  WindowHarness harness;
  const auto dialog = DialogOn(harness, ruvo::test::OrderFileOf(50));
  harness.boxes.answers = {true};
  // Pressed while the job is being made: the dialog lets events through
  // after each page.
  QTimer::singleShot(0, dialog.get(), [&] {
    QVERIFY(dialog->Printing());
    QVERIFY(!Named<QPushButton>(*dialog, "BitBtn_Close")->isEnabled());
    Named<QPushButton>(*dialog, "BitBtn_Cancel")->click();
  });
  Named<QPushButton>(*dialog, "BitBtn_PrintAll")->click();
  QVERIFY(harness.service.PrintedJobs().empty());
  QCOMPARE(harness.service.Jobs().size(), std::size_t{1});
  QCOMPARE(harness.service.Jobs()[0]->state, FakeJob::State::kAborted);
  QVERIFY(harness.boxes.notices.last().startsWith(QStringLiteral("印刷を中止しました")));
  QVERIFY(!dialog->Printing());
  QVERIFY(Named<QPushButton>(*dialog, "BitBtn_PrintAll")->isEnabled());
}

void BatchDialogTest::refusedJobIsShownAndTheDialogGoesOn() {
  WindowHarness harness;
  const auto dialog = DialogOn(harness, ruvo::test::OrderFileOf(2));
  harness.service.refuseAtEnd = true;
  harness.boxes.answers = {true};
  Named<QPushButton>(*dialog, "BitBtn_PrintAll")->click();
  QCOMPARE(harness.boxes.errors.size(), 1);
  QVERIFY(harness.service.PrintedJobs().empty());
  QVERIFY(Named<QPushButton>(*dialog, "BitBtn_PrintAll")->isEnabled());
  QVERIFY(!Named<QPushButton>(*dialog, "BitBtn_Cancel")->isEnabled());
}

QTEST_MAIN(BatchDialogTest)
#include "batch_dialog_test.moc"
