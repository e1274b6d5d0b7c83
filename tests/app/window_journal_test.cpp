// The window and the shipment journal offscreen, in Japan's time zone with
// the journal's clock pinned: F11 and the batch dialog record what the
// print service accepted, the question before a parcel is labelled twice,
// and what the user is told when the journal cannot take a slip.
#include "app/window_journal.h"

#include <QApplication>
#include <QCheckBox>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include "app/batch_dialog.h"
#include "app/batch_orders_model.h"
#include "app/cp932_line_edit.h"
#include "app/window_harness.h"
#include "batch/order_fixture.h"
#include "journal/duplicate_check.h"
#include "journal/journal_backup.h"
#include "journal/journal_record.h"
#include "journal/journal_search.h"
#include "support/slips.h"

using ruvo::app::BatchDialog;
using ruvo::app::TForm_Main;
using ruvo::test::Named;
using ruvo::test::PutFile;
using ruvo::test::Sj;
using ruvo::test::WindowHarness;
namespace journal = ruvo::journal;

namespace {

const QString kDuplicateAt1405 =
    QStringLiteral("本日 14:05 に同じお届け先・品名で印刷済みです。もう一度印刷しますか?");

void PressF11(TForm_Main& window) {
  QTest::mouseClick(Named<QToolButton>(window, "SpeedButton_F11"), Qt::LeftButton);
}

std::vector<journal::PrintedSlip> Recorded(WindowHarness& harness) {
  journal::Journal journal(harness.Folder());
  journal::SlipQuery everything;
  everything.limit = 0;
  everything.oldestFirst = true;
  return journal::FindSlips(journal, everything).slips;
}

std::unique_ptr<BatchDialog> BatchOver(WindowHarness& harness, TForm_Main& window,
                                       const std::filesystem::path& csv) {
  ruvo::batch::OrderFileSource source{csv, {}, {}, harness.Folder(), 0, nullptr, {}};
  ruvo::app::WindowJournal& journal = window.Journal();
  ruvo::app::BatchDialogSetup setup{
      *harness.printer,
      harness.boxes,
      "0",
      "0",
      [source](const ruvo::app::BatchChoices&, const ruvo::batch::ReadProgress& progress) {
        return ruvo::batch::LoadOrderFile(source, progress);
      },
      {csv, {}, {}}};
  setup.earlierPrints = [&journal](const std::vector<const ruvo::SlipRecord*>& slips) {
    return journal.EarlierPrints(slips);
  };
  setup.recordPrinted = [&journal](const std::filesystem::path& file,
                                   const std::vector<const ruvo::batch::Order*>& orders,
                                   const ruvo::SlipPrintValues& values) {
    journal::PrintSetup printedOn;
    printedOn.values = values;
    return journal.Record(journal::BatchOrdersPrinted(file, orders, printedOn));
  };
  auto dialog = std::make_unique<BatchDialog>(std::move(setup), nullptr);
  if (!QTest::qWaitFor([&] { return !dialog->Loading(); }, 20000))
    qWarning("the order file was not read");
  return dialog;
}

// The verdict shown for the order in `row`.
QString VerdictOf(const BatchDialog& dialog, int row) {
  return Named<QTableView>(dialog, "Table_Rows")
      ->model()
      ->index(row, ruvo::app::BatchOrdersModel::kVerdict)
      .data()
      .toString();
}

}  // namespace

class WindowJournalTest : public QObject {
  Q_OBJECT

 private slots:
  void f11RecordsTheAcceptedJob();
  void f11AsksBeforePrintingTheSameParcelAgain();
  void earlierDayIsNamedAndOutsideTheWindowNotAsked();
  void unwritableJournalStillPrintsAndTellsTheUser();
  void damagedJournalIsSetAsideOnceTheWindowStands();
  void dailyCopyIsKeptOnceTheWindowStands();
  void batchMarksPrintedRowsAndLeavesThemOut();
  void droppedFileRecordsItsRowsWithFileAndRow();
};

void WindowJournalTest::f11RecordsTheAcceptedJob() {
  WindowHarness harness;
  TForm_Main& window = harness.Open();
  QVERIFY(!std::filesystem::exists(harness.Folder() / "ruvo_journal.db"));  // none until a print
  window.WriteRecord(ruvo::test::FullSlip());
  harness.boxes.answers = {true};
  PressF11(window);
  QCOMPARE(harness.boxes.questions, QStringList{QStringLiteral("「Slip」に印刷しますか?")});
  QVERIFY(harness.boxes.notices.isEmpty());
  const auto printed = harness.service.PrintedJobs();
  QCOMPARE(printed.size(), std::size_t{1});
  const std::vector<journal::PrintedSlip> slips = Recorded(harness);
  QCOMPARE(slips.size(), std::size_t{1});
  QVERIFY(slips[0].origin == journal::SlipOrigin::kWindow);
  QCOMPARE(slips[0].setup.jobId, printed[0]->id);
  QVERIFY(slips[0].setup.jobId > 0);
  QCOMPARE(slips[0].setup.printerName, std::string("Slip"));
  QCOMPARE(slips[0].setup.paperMode, 0);
  QVERIFY(slips[0].slip.recipientName == Sj("山田太郎"));
  QCOMPARE(journal::WallText(slips[0].printedAt), std::string("2011-01-05 14:05:00"));
}

// The duplicate question stands in place of the printer's: No prints
// nothing and puts the caret into the goods, Yes prints it again.
void WindowJournalTest::f11AsksBeforePrintingTheSameParcelAgain() {
  WindowHarness harness;
  TForm_Main& window = harness.Open();
  window.WriteRecord(ruvo::test::FullSlip());
  harness.boxes.answers = {true, false};
  PressF11(window);
  harness.journalNow += std::chrono::minutes(20);
  PressF11(window);
  QCOMPARE(harness.boxes.questions.last(), kDuplicateAt1405);
  QCOMPARE(harness.service.PrintedJobs().size(), std::size_t{1});
  QCOMPARE(QApplication::focusWidget(), Named<QWidget>(window, "Edit_G1"));
  harness.boxes.answers = {true};
  PressF11(window);
  QCOMPARE(harness.service.PrintedJobs().size(), std::size_t{2});
  QCOMPARE(Recorded(harness).size(), std::size_t{2});
  // Another parcel to the same recipient is no duplicate.
  ruvo::SlipRecord other = ruvo::test::FullSlip();
  other.goods[0] = Sj("食品");
  window.WriteRecord(other);
  harness.boxes.answers = {true};
  PressF11(window);
  QCOMPARE(harness.boxes.questions.last(), QStringLiteral("「Slip」に印刷しますか?"));
  QVERIFY(harness.boxes.unexpected.isEmpty());
}

void WindowJournalTest::earlierDayIsNamedAndOutsideTheWindowNotAsked() {
  WindowHarness harness;
  TForm_Main& window = harness.Open();
  window.WriteRecord(ruvo::test::FullSlip());
  {
    journal::Journal journal(harness.Folder(), [&] { return harness.journalNow; });
    journal::WriteDuplicateWindow(journal, {48});
  }
  harness.boxes.answers = {true, false};
  PressF11(window);
  harness.journalNow += std::chrono::hours(24);
  PressF11(window);
  QCOMPARE(harness.boxes.questions.last(),
           QStringLiteral("昨日 14:05 に同じお届け先・品名で印刷済みです。もう一度印刷しますか?"));
  harness.journalNow += std::chrono::hours(25);  // 49 hours after: outside the 48 hours
  harness.boxes.answers = {false};
  PressF11(window);
  QCOMPARE(harness.boxes.questions.last(), QStringLiteral("「Slip」に印刷しますか?"));
}

// A folder in the journal's place cannot be opened as a database: the slip
// prints all the same.
void WindowJournalTest::unwritableJournalStillPrintsAndTellsTheUser() {
  WindowHarness harness;
  std::filesystem::create_directory(harness.Folder() / "ruvo_journal.db");
  TForm_Main& window = harness.Open();
  window.WriteRecord(ruvo::test::FullSlip());
  harness.boxes.answers = {true};
  PressF11(window);
  QCOMPARE(harness.service.PrintedJobs().size(), std::size_t{1});
  QCOMPARE(harness.boxes.notices.size(), 1);
  QVERIFY2(
      harness.boxes.notices[0].startsWith(QStringLiteral("この送り状は履歴に記録されませんでした")),
      qPrintable(harness.boxes.notices[0]));
  QVERIFY(harness.boxes.errors.isEmpty());
}

void WindowJournalTest::damagedJournalIsSetAsideOnceTheWindowStands() {
  WindowHarness harness;
  PutFile(harness.Folder() / "ruvo_journal.db", std::string(8192, 'x'));
  harness.Open();
  QTRY_COMPARE(harness.boxes.notices.size(), 1);
  QVERIFY2(harness.boxes.notices[0].contains(QStringLiteral("ruvo_journal-damaged-")),
           qPrintable(harness.boxes.notices[0]));
  bool keptAside = false;
  for (const auto& entry : std::filesystem::directory_iterator(harness.Folder()))
    keptAside |= entry.path().filename().string().starts_with("ruvo_journal-damaged-");
  QVERIFY(keptAside);
}

void WindowJournalTest::dailyCopyIsKeptOnceTheWindowStands() {
  WindowHarness harness;
  {
    journal::Journal journal(harness.Folder(), [&] { return harness.journalNow; });
    journal::PrintedSlip printed;
    printed.slip = ruvo::test::FullSlip();
    QVERIFY(journal::RecordPrintedSlips(journal, {printed}).Recorded());
  }
  const std::filesystem::path copy =
      harness.Folder() / journal::kBackupFolderName / "ruvo_journal-2011-01-05.db";
  TForm_Main& window = harness.Open();
  QTRY_VERIFY(std::filesystem::exists(copy));
  QCOMPARE(Recorded(harness).size(), std::size_t{1});
  QVERIFY(!window.StatusText().contains(QStringLiteral("控え")));
}

void WindowJournalTest::batchMarksPrintedRowsAndLeavesThemOut() {
  WindowHarness harness;
  TForm_Main& window = harness.Open();
  const std::filesystem::path csv = harness.Folder() / "orders.csv";
  PutFile(csv, Sj(ruvo::test::OrderFileOf(3)));
  ruvo::test::WriteSenders(harness.Folder());
  const auto dialog = BatchOver(harness, window, csv);
  auto* table = Named<QTableView>(*dialog, "Table_Rows");
  QVERIFY(Named<QCheckBox>(*dialog, "CheckBox_IncludePrinted")->isHidden());
  table->selectRow(1);
  harness.boxes.answers = {true};
  Named<QPushButton>(*dialog, "BitBtn_PrintRow")->click();
  QCOMPARE(VerdictOf(*dialog, 1), QStringLiteral("本日 14:05 に印刷済み"));
  QVERIFY(!Named<QCheckBox>(*dialog, "CheckBox_IncludePrinted")->isHidden());

  harness.boxes.answers = {true};
  Named<QPushButton>(*dialog, "BitBtn_PrintAll")->click();
  QCOMPARE(harness.boxes.questions.last(),
           QStringLiteral("印刷済みの 1 件の注文を除いて、2 枚の送り状を印刷しますか?"));
  QCOMPARE(harness.service.PrintedJobs().back()->pages.size(), std::size_t{2});
  QVERIFY(!Named<QPushButton>(*dialog, "BitBtn_PrintAll")->isEnabled());  // all printed now

  Named<QCheckBox>(*dialog, "CheckBox_IncludePrinted")->setChecked(true);
  QVERIFY(Named<QPushButton>(*dialog, "BitBtn_PrintAll")->isEnabled());
  harness.boxes.answers = {false};
  Named<QPushButton>(*dialog, "BitBtn_PrintAll")->click();
  QCOMPARE(harness.boxes.questions.last(), QStringLiteral("3 枚の送り状を印刷しますか?"));
  table->selectRow(0);
  harness.boxes.answers = {false};
  Named<QPushButton>(*dialog, "BitBtn_PrintRow")->click();
  QCOMPARE(harness.boxes.questions.last(),
           QStringLiteral("2 行目 (注文者1) は本日 14:05 に同じお届け先・品名で印刷済みです。"
                          "もう一度印刷しますか?"));
  QCOMPARE(Recorded(harness).size(), std::size_t{3});
}

void WindowJournalTest::droppedFileRecordsItsRowsWithFileAndRow() {
  WindowHarness harness;
  TForm_Main& window = harness.Open();
  const std::filesystem::path csv = harness.Folder() / "orders.csv";
  PutFile(csv, Sj(ruvo::test::OrderFileOf(2)));
  ruvo::test::WriteSenders(harness.Folder());
  harness.boxes.answers = {true};
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<BatchDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) qFatal("no batch dialog");
    if (!QTest::qWaitFor([&] { return !dialog->Loading(); }, 20000)) qFatal("not read");
    Named<QPushButton>(*dialog, "BitBtn_PrintAll")->click();
    Named<QPushButton>(*dialog, "BitBtn_Close")->click();
  });
  window.OpenOrderFile(csv);
  const std::vector<journal::PrintedSlip> slips = Recorded(harness);
  QCOMPARE(slips.size(), std::size_t{2});
  for (std::size_t i = 0; i < slips.size(); ++i) {
    QVERIFY(slips[i].origin == journal::SlipOrigin::kBatch);
    QCOMPARE(slips[i].batchFile, csv.string());
    QCOMPARE(slips[i].batchRow, static_cast<int>(i) + 2);
    QCOMPARE(slips[i].setup.jobId, harness.service.PrintedJobs()[0]->id);
    QCOMPARE(slips[i].setup.printerName, std::string("Slip"));
  }
}

QTEST_MAIN(WindowJournalTest)
#include "window_journal_test.moc"
