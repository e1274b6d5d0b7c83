// The batch dialog offscreen over the fake print service: an order file
// dropped on the window or opened with F3, its orders and problems, one job
// of the good orders, a chosen order alone, cancel, a file fixed and read
// again, and a file with thousands of problems on a small screen.
#include "app/batch_dialog.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include "app/batch_orders_model.h"
#include "app/cp932_line_edit.h"
#include "app/slip_preview.h"
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

using Model = ruvo::app::BatchOrdersModel;

// The dialog over `csvUtf8` written as Shift-JIS, once its reading has ended.
std::unique_ptr<BatchDialog> DialogOn(WindowHarness& harness, const std::string& csvUtf8,
                                      std::optional<std::filesystem::path> map = {}) {
  const std::filesystem::path csv = harness.Folder() / "orders.csv";
  PutFile(csv, Sj(csvUtf8));
  ruvo::test::WriteSenders(harness.Folder());
  ruvo::batch::OrderFileSource source{csv, {}, {}, harness.Folder(), 0, nullptr, {}};
  auto dialog = std::make_unique<BatchDialog>(
      ruvo::app::BatchDialogSetup{*harness.printer,
                                  harness.boxes,
                                  "0",
                                  "0",
                                  [source](const ruvo::app::BatchChoices& choices,
                                           const ruvo::batch::ReadProgress& progress) {
                                    ruvo::batch::OrderFileSource read = source;
                                    read.orderFile = choices.orderFile;
                                    read.encoding = choices.encoding;
                                    read.columnMap = choices.columnMap;
                                    return ruvo::batch::LoadOrderFile(read, progress);
                                  },
                                  {csv, {}, std::move(map)}},
      nullptr);
  if (!QTest::qWaitFor([&] { return !dialog->Loading(); }, 20000))
    qWarning("the order file was not read");
  return dialog;
}

QString Cell(const BatchDialog& dialog, int row, int column) {
  return Named<QTableView>(dialog, "Table_Rows")->model()->index(row, column).data().toString();
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
  void previewFollowsTheChosenOrder();
  void refusedValuesAndTheWishedDateAreShown();
  void giftsShowTheirBuyer();
  void tenThousandProblemsFitTheSmallScreen();
  void f3AndTheKeyBarOpenAnOrderFile();
  void cancelAbandonsTheWholeJob();
  void refusedJobIsShownAndTheDialogGoesOn();
};

void BatchDialogTest::droppedFileOpensTheBatchAndLeavesTheWindowsSlip() {
  WindowHarness harness;
  ruvo::app::TForm_Main& window = harness.Open();
  Named<TCp932Edit>(window, "Edit_Custo1")->setText(QStringLiteral("窓の宛名"));
  const ruvo::DrawList before = ruvo::SLIP97_Prn(window.Record(), {"360", "360", "0", "0"});
  // Excel's "Unicode text": UTF-16LE, tab-separated, saved as .txt.
  std::u16string text = QString::fromStdString(ruvo::test::OrderFileOf(3))
                            .replace(QLatin1Char(','), QLatin1Char('\t'))
                            .toStdU16String();
  std::string bytes("\xFF\xFE");
  for (const char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  PutFile(harness.Folder() / "orders.txt", bytes);
  ruvo::test::WriteSenders(harness.Folder());
  harness.boxes.answers = {true};
  int rowsShown = -1;
  // The dialog opens once the drop has ended, modally: handled from a timer.
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &window, [&] {
    auto* dialog = qobject_cast<BatchDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || dialog->Loading()) return;
    poll.stop();
    rowsShown = Named<QTableView>(*dialog, "Table_Rows")->model()->rowCount();
    Named<QPushButton>(*dialog, "BitBtn_PrintAll")->click();
    Named<QPushButton>(*dialog, "BitBtn_Close")->click();
  });
  poll.start(10);
  // Dropped on a field, which would otherwise take the file's name as text.
  QMimeData data;
  data.setUrls(
      {QUrl::fromLocalFile(QString::fromStdString((harness.Folder() / "orders.txt").string()))});
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
  QCOMPARE(Named<QTableView>(*dialog, "Table_Rows")->model()->rowCount(), 3);
  QCOMPARE(
      Named<QTableView>(*dialog, "Table_Rows")->model()->headerData(1, Qt::Vertical).toString(),
      QStringLiteral("3"));  // spreadsheet row
  const QString verdict = Cell(*dialog, 1, Model::kVerdict);
  QVERIFY2(verdict.startsWith(QStringLiteral("個数: 個数は 1 から 999")), qPrintable(verdict));
  const QModelIndex bad =
      Named<QTableView>(*dialog, "Table_Rows")->model()->index(1, Model::kVerdict);
  QVERIFY(bad.data(Qt::BackgroundRole).isValid());
  QVERIFY(!Named<QTableView>(*dialog, "Table_Rows")
               ->model()
               ->index(0, Model::kVerdict)
               .data(Qt::BackgroundRole)
               .isValid());
  QCOMPARE(Cell(*dialog, 0, Model::kVerdict), QStringLiteral("印刷できます"));
  QDir().mkpath(QStringLiteral(RUVO_GRAB_DIR));
  QVERIFY(dialog->grab().save(QStringLiteral(RUVO_GRAB_DIR "/batch_dialog.png")));
  harness.boxes.answers = {true};
  Named<QPushButton>(*dialog, "BitBtn_PrintAll")->click();
  QCOMPARE(harness.boxes.questions.last(),
           QStringLiteral("問題のある 1 件の注文を除いて、2 枚の送り状を印刷しますか?"));
  const auto printed = harness.service.PrintedJobs();
  QCOMPARE(printed.size(), std::size_t{1});
  QCOMPARE(printed[0]->pages.size(), std::size_t{2});
  QVERIFY(PageNames(printed[0]->pages[1], "三郎"));
  QCOMPARE(harness.boxes.notices.last(), QStringLiteral("2 枚の送り状を印刷しました"));
}

void BatchDialogTest::fileProblemStopsPrintingUntilTheFixedFileIsReadAgain() {
  WindowHarness harness;
  const auto dialog =
      DialogOn(harness, "郵便番号,住所1,のし\r\n105-0011,東京都港区芝公園,御中元\r\n");
  QVERIFY(!Named<QLabel>(*dialog, "Label_Problems")->isHidden());
  QCOMPARE(Named<QListWidget>(*dialog, "List_Problems")->count(), 1);
  QCOMPARE(Named<QListWidget>(*dialog, "List_Problems")->item(0)->text(),
           QStringLiteral("1 行目 氏名: 列がありません"));
  QVERIFY(!Named<QPushButton>(*dialog, "BitBtn_PrintAll")->isEnabled());
  QCOMPARE(Cell(*dialog, 0, Model::kVerdict), QStringLiteral("ファイルの問題を直すと印刷できます"));
  QCOMPARE(Named<QLabel>(*dialog, "Label_Unused")->text(), QStringLiteral("使わない列 (1): のし"));
  PutFile(harness.Folder() / "orders.csv",
          Sj("郵便番号,住所1,氏名\r\n105-0011,東京都港区芝公園,山田\r\n"));
  Named<QPushButton>(*dialog, "BitBtn_Reload")->click();
  QVERIFY(QTest::qWaitFor([&] { return !dialog->Loading(); }));
  QVERIFY(Named<QLabel>(*dialog, "Label_Problems")->isHidden());
  QVERIFY(Named<QPushButton>(*dialog, "BitBtn_PrintAll")->isEnabled());
}

void BatchDialogTest::chosenRowPrintsAlone() {
  WindowHarness harness;
  const auto dialog = DialogOn(harness, ThreeRowsSecondBad());
  Named<QTableView>(*dialog, "Table_Rows")->selectRow(1);
  QVERIFY(
      !Named<QPushButton>(*dialog, "BitBtn_PrintRow")->isEnabled());  // the order with a problem
  Named<QTableView>(*dialog, "Table_Rows")->selectRow(2);
  harness.boxes.answers = {true};
  Named<QPushButton>(*dialog, "BitBtn_PrintRow")->click();
  QCOMPARE(harness.boxes.questions.last(), QStringLiteral("4 行目 (三郎) の送り状を印刷しますか?"));
  const auto printed = harness.service.PrintedJobs();
  QCOMPARE(printed.size(), std::size_t{1});
  QCOMPARE(printed[0]->pages.size(), std::size_t{1});
  QVERIFY(PageNames(printed[0]->pages[0], "三郎"));
}

// The preview draws the chosen order's slip at the dialog's margins and
// follows the choice; a problem order can be looked at too.
void BatchDialogTest::previewFollowsTheChosenOrder() {
  WindowHarness harness;
  const auto dialog = DialogOn(harness, ThreeRowsSecondBad());
  auto* table = Named<QTableView>(*dialog, "Table_Rows");
  QVERIFY(!Named<QPushButton>(*dialog, "BitBtn_Preview")->isEnabled());  // nothing chosen
  table->selectRow(2);
  Named<QPushButton>(*dialog, "BitBtn_Preview")->click();
  auto* preview = dialog->findChild<ruvo::app::SlipPreview*>();
  QVERIFY(preview != nullptr && preview->isVisible());
  const auto shows = [&](const char* name) {
    const ruvo::DrawList& list = preview->View().Picture().list;
    return std::any_of(list.begin(), list.end(),
                       [&](const ruvo::DrawOp& op) { return op.text == Sj(name); });
  };
  QVERIFY(shows("三郎"));
  table->selectRow(1);
  QTRY_VERIFY(shows("二郎"));
  QVERIFY(!shows("三郎"));
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

void BatchDialogTest::refusedValuesAndTheWishedDateAreShown() {
  WindowHarness harness;
  const auto dialog =
      DialogOn(harness, std::string(ruvo::test::kOrderHeader) +
                            ruvo::test::OrderLine("一郎", "105-0011", "1", "午前中") +
                            ruvo::test::OrderLine("二郎", "105-0011", "1", "1416"));
  QCOMPARE(Cell(*dialog, 0, Model::kTimeSlot), QStringLiteral("午前中"));
  QVERIFY2(Cell(*dialog, 0, Model::kVerdict)
               .startsWith(QStringLiteral("時間帯: 時間帯「午前中」はこの送り状に印刷できません")),
           qPrintable(Cell(*dialog, 0, Model::kVerdict)));
  QCOMPARE(Cell(*dialog, 1, Model::kTimeSlot), QStringLiteral("14→16時"));
  QCOMPARE(Cell(*dialog, 1, Model::kWishedDate), QStringLiteral("3/15"));
  QVERIFY2(Named<QLabel>(*dialog, "Label_Summary")
               ->toolTip()
               .startsWith(QStringLiteral("郵便番号 ← 郵便番号\n")),
           qPrintable(Named<QLabel>(*dialog, "Label_Summary")->toolTip()));
}

void BatchDialogTest::giftsShowTheirBuyer() {
  WindowHarness harness;
  const auto dialog = DialogOn(harness,
                               "郵便番号,住所1,氏名,注文者\r\n"
                               "105-0011,東京都港区芝公園,山田 花子 様,鈴木 一郎\r\n"
                               "105-0011,東京都港区芝公園,佐藤 恵,佐藤 恵\r\n");
  QCOMPARE(Cell(*dialog, 0, Model::kRecipient), QStringLiteral("山田 花子"));
  QCOMPARE(Cell(*dialog, 0, Model::kBuyer), QStringLiteral("鈴木 一郎"));
  QCOMPARE(Cell(*dialog, 1, Model::kBuyer), QString());  // ordered for oneself
}

// A column map of 10,000 lines that say nothing: the dialog still fits a
// 1024 x 768 screen, lists the first 200 problems and says how many there
// are, and answers at once.
void BatchDialogTest::tenThousandProblemsFitTheSmallScreen() {
  WindowHarness harness;
  std::string map;
  for (int i = 0; i < 10000; ++i)
    map += "列" + std::to_string(i) + "\r\n";
  const std::filesystem::path mapFile = harness.Folder() / "map.txt";
  PutFile(mapFile, Sj(map));
  const auto dialog = DialogOn(harness, ruvo::test::OrderFileOf(2), mapFile);
  QCOMPARE(dialog->File().problems.size(), std::size_t{10000});
  QCOMPARE(Named<QListWidget>(*dialog, "List_Problems")->count(), BatchDialog::kProblemsShown + 1);
  QCOMPARE(Named<QListWidget>(*dialog, "List_Problems")->item(BatchDialog::kProblemsShown)->text(),
           QStringLiteral("… ほか 9800 件 (全 10000 件)"));
  const QRect room = QApplication::primaryScreen()->availableGeometry();
  QVERIFY(dialog->width() <= std::min(1024, room.width()));
  QVERIFY(dialog->height() <= std::min(768, room.height()));
  dialog->show();
  QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
  // The buttons lie inside the dialog, none pushed out by the list.
  QVERIFY(dialog->rect().contains(
      QRect(Named<QPushButton>(*dialog, "BitBtn_Close")->mapTo(dialog.get(), QPoint(0, 0)),
            Named<QPushButton>(*dialog, "BitBtn_Close")->size())));
  QVERIFY(Named<QListWidget>(*dialog, "List_Problems")->height() < dialog->height() / 3);
}

// F3 ("CSV取込" on the key bar) opens the order file the user chooses.
void BatchDialogTest::f3AndTheKeyBarOpenAnOrderFile() {
  WindowHarness harness;
  const std::filesystem::path csv = harness.Folder() / "orders.tsv";
  std::string tsv = ruvo::test::OrderFileOf(2);
  std::replace(tsv.begin(), tsv.end(), ',', '\t');
  PutFile(csv, Sj(tsv));
  ruvo::test::WriteSenders(harness.Folder());
  int asked = 0;
  harness.chooseOrderFile = [&](QWidget*) {
    ++asked;
    return std::optional(csv);
  };
  ruvo::app::TForm_Main& window = harness.Open();
  QCOMPARE(Named<QToolButton>(window, "SpeedButton_F3")->text(), QStringLiteral("CSV取込"));
  int ordersShown = -1;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &window, [&] {
    auto* dialog = qobject_cast<BatchDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || dialog->Loading()) return;
    poll.stop();
    ordersShown = Named<QTableView>(*dialog, "Table_Rows")->model()->rowCount();
    Named<QPushButton>(*dialog, "BitBtn_Close")->click();
  });
  poll.start(10);
  QTest::keyClick(Named<TCp932Edit>(window, "Edit_Custo1"), Qt::Key_F3);
  QTRY_COMPARE(ordersShown, 2);
  QCOMPARE(asked, 1);
}

QTEST_MAIN(BatchDialogTest)
#include "batch_dialog_test.moc"
