// The history (F5) offscreen over a journal in a temporary working folder:
// the newest first, search as you type and by days, a page at a time, and
// through the window a reprint of several slips as one job and a slip
// loaded back into the fields.
#include "app/history_dialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "app/cp932_line_edit.h"
#include "app/window_harness.h"
#include "journal/journal_record.h"
#include "journal/journal_search.h"
#include "support/slips.h"

using ruvo::app::HistoryDialog;
using ruvo::test::Named;
using ruvo::test::Sj;
using ruvo::test::WindowHarness;
namespace journal = ruvo::journal;
using namespace std::chrono_literals;

namespace {

constexpr std::chrono::year_month_day kToday{std::chrono::year(2011), std::chrono::January,
                                             std::chrono::day(5)};

// Records one slip to `name` at `when` and returns its id.
std::int64_t RecordSlip(journal::Journal& journal, const char* name, const char* goods) {
  journal::PrintedSlip printed;
  printed.slip = ruvo::test::FullSlip();
  printed.slip.recipientName = Sj(name);
  printed.slip.goods[0] = Sj(goods);
  printed.slip.slipDate = std::chrono::year(2010) / 12 / 1;
  const journal::RecordResult result = journal::RecordPrintedSlips(journal, {printed});
  if (!result.Recorded()) qFatal("not recorded");
  return result.ids.front();
}

QStringList Names(const QTableView& table) {
  QStringList names;
  for (int row = 0; row < table.model()->rowCount(); ++row)
    names << table.model()->index(row, 1).data().toString();
  return names;
}

struct Printed {
  explicit Printed(WindowHarness& harness)
      : journal(harness.Folder(), [&harness] { return harness.journalNow; }) {}
  journal::Journal journal;
};

}  // namespace

class HistoryDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void listsNewestFirstAndFindsAsTheUserTypes();
  void pagesThroughAJournalOfManySlips();
  void reprintsTheChosenSlipsAsOneJobWithTheChosenDate_data();
  void reprintsTheChosenSlipsAsOneJobWithTheChosenDate();
  void loadsAChosenSlipIntoTheWindow();
};

void HistoryDialogTest::listsNewestFirstAndFindsAsTheUserTypes() {
  WindowHarness harness;
  Printed printed(harness);
  RecordSlip(printed.journal, "山田太郎", "書籍");
  harness.journalNow += 24h;
  RecordSlip(printed.journal, "佐藤花子", "玩具");
  harness.journalNow += 24h;
  RecordSlip(printed.journal, "山本一郎", "食品");
  HistoryDialog dialog({printed.journal, harness.boxes, kToday, 0, {}}, nullptr);
  auto* table = Named<QTableView>(dialog, "Table_Slips");
  QCOMPARE(Names(*table), (QStringList{QStringLiteral("山本一郎"), QStringLiteral("佐藤花子"),
                                       QStringLiteral("山田太郎")}));
  QCOMPARE(Named<QLabel>(dialog, "Label_Count")->text(), QStringLiteral("3 件"));
  Named<QLineEdit>(dialog, "Edit_Search")->insert(QStringLiteral("山"));
  QCOMPARE(Names(*table), (QStringList{QStringLiteral("山本一郎"), QStringLiteral("山田太郎")}));
  Named<QLineEdit>(dialog, "Edit_Search")->setText(QStringLiteral("食品"));
  QCOMPARE(Names(*table), QStringList{QStringLiteral("山本一郎")});
  Named<QLineEdit>(dialog, "Edit_Search")->clear();
  Named<QDateEdit>(dialog, "DateEdit_From")->setDate(QDate(2011, 1, 6));
  QCOMPARE(table->model()->rowCount(), 3);  // the days count only once the period is ticked
  Named<QCheckBox>(dialog, "CheckBox_Period")->setChecked(true);
  Named<QDateEdit>(dialog, "DateEdit_To")->setDate(QDate(2011, 1, 6));
  QCOMPARE(Names(*table), QStringList{QStringLiteral("佐藤花子")});
  QVERIFY(harness.boxes.errors.isEmpty());
}

void HistoryDialogTest::pagesThroughAJournalOfManySlips() {
  WindowHarness harness;
  Printed printed(harness);
  std::vector<journal::PrintedSlip> slips(250);
  for (journal::PrintedSlip& slip : slips)
    slip.slip = ruvo::test::FullSlip();
  QVERIFY(journal::RecordPrintedSlips(printed.journal, slips).Recorded());
  HistoryDialog dialog({printed.journal, harness.boxes, kToday, 0, {}}, nullptr);
  dialog.show();
  auto* table = Named<QTableView>(dialog, "Table_Slips");
  QCOMPARE(table->model()->rowCount(), 100);
  QCOMPARE(Named<QLabel>(dialog, "Label_Count")->text(), QStringLiteral("100 件以上"));
  table->scrollToBottom();
  QTRY_COMPARE(table->model()->rowCount(), 200);
  table->scrollToBottom();
  QTRY_COMPARE(table->model()->rowCount(), 250);
  QCOMPARE(Named<QLabel>(dialog, "Label_Count")->text(), QStringLiteral("250 件"));
}

void HistoryDialogTest::reprintsTheChosenSlipsAsOneJobWithTheChosenDate_data() {
  QTest::addColumn<bool>("originalDate");
  QTest::addColumn<QDate>("printedDate");
  QTest::newRow("today") << false << QDate(2011, 1, 5);
  QTest::newRow("the original date") << true << QDate(2010, 12, 1);
}

void HistoryDialogTest::reprintsTheChosenSlipsAsOneJobWithTheChosenDate() {
  QFETCH(bool, originalDate);
  QFETCH(QDate, printedDate);
  WindowHarness harness;
  std::int64_t first = 0;
  std::int64_t third = 0;
  {
    Printed printed(harness);
    first = RecordSlip(printed.journal, "山田太郎", "書籍");
    RecordSlip(printed.journal, "佐藤花子", "文具");
    third = RecordSlip(printed.journal, "山本一郎", "食品");
  }
  ruvo::app::TForm_Main& window = harness.Open();
  harness.boxes.answers = {true};
  ruvo::test::WhileModal<HistoryDialog>(
      [&] { QTest::mouseClick(Named<QToolButton>(window, "SpeedButton_F5"), Qt::LeftButton); },
      [&](HistoryDialog& dialog) {
        auto* table = Named<QTableView>(dialog, "Table_Slips");
        table->selectionModel()->select(table->model()->index(0, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        table->selectionModel()->select(table->model()->index(2, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QVERIFY(!Named<QPushButton>(dialog, "BitBtn_Load")->isEnabled());  // one at a time
        Named<QRadioButton>(dialog, originalDate ? "RadioButton_Original" : "RadioButton_Today")
            ->setChecked(true);
        Named<QPushButton>(dialog, "BitBtn_Reprint")->click();
        QCOMPARE(table->model()->rowCount(), 5);  // the reprints are listed too
        dialog.reject();
      });
  QCOMPARE(harness.boxes.questions,
           QStringList{QStringLiteral("選んだ 2 枚の送り状を「Slip」にもう一度印刷しますか?")});
  const auto jobs = harness.service.PrintedJobs();
  QCOMPARE(jobs.size(), std::size_t{1});
  QCOMPARE(jobs[0]->pages.size(), std::size_t{2});
  journal::Journal journal(harness.Folder());
  journal::SlipQuery newest;
  newest.limit = 2;
  const std::vector<journal::PrintedSlip> reprints = journal::FindSlips(journal, newest).slips;
  QCOMPARE(reprints.size(), std::size_t{2});
  QCOMPARE(reprints[1].reprintOf, std::optional<std::int64_t>(third));  // the list's order
  QCOMPARE(reprints[0].reprintOf, std::optional<std::int64_t>(first));
  for (const journal::PrintedSlip& reprint : reprints) {
    QCOMPARE(reprint.setup.jobId, jobs[0]->id);
    const auto date = reprint.slip.slipDate;
    QCOMPARE(QDate(static_cast<int>(date.year()), static_cast<int>(unsigned(date.month())),
                   static_cast<int>(unsigned(date.day()))),
             printedDate);
  }
  QVERIFY(harness.boxes.notices.isEmpty());
}

void HistoryDialogTest::loadsAChosenSlipIntoTheWindow() {
  WindowHarness harness;
  {
    Printed printed(harness);
    RecordSlip(printed.journal, "佐藤花子", "玩具");
  }
  ruvo::app::TForm_Main& window = harness.Open();
  ruvo::test::WhileModal<HistoryDialog>(
      [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5); },
      [&](HistoryDialog& dialog) {
        Named<QTableView>(dialog, "Table_Slips")->selectRow(0);
        Named<QPushButton>(dialog, "BitBtn_Load")->click();
      });
  QCOMPARE(Named<ruvo::app::TCp932Edit>(window, "Edit_Custo1")->text(), QStringLiteral("佐藤花子"));
  QCOMPARE(Named<ruvo::app::TCp932Edit>(window, "Edit_G1")->text(), QStringLiteral("玩具"));
  QCOMPARE(window.Record().slipDate, kToday);
  QVERIFY(window.StatusText().startsWith(QStringLiteral("履歴の送り状を呼び出しました")));
  QVERIFY(harness.service.Jobs().empty());
}

QTEST_MAIN(HistoryDialogTest)
#include "history_dialog_test.moc"
