// The journal's settings offscreen, reached from F5 as the user reaches
// them, with the journal's clock pinned in Japan's time zone: the slip
// number of a new stock taken or refused with its reason, the next number
// after F11 printed, a correction after a jam, and how long a parcel
// counts as printed before F11 asks.
#include "app/journal_settings_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include "app/history_dialog.h"
#include "app/window_harness.h"
#include "app/window_journal.h"
#include "journal/journal_search.h"
#include "support/slips.h"

using ruvo::app::HistoryDialog;
using ruvo::app::JournalSettingsDialog;
using ruvo::app::TForm_Main;
using ruvo::test::Named;
using ruvo::test::WindowHarness;
namespace journal = ruvo::journal;

namespace {

void PressF11(TForm_Main& window) {
  QTest::mouseClick(Named<QToolButton>(window, "SpeedButton_F11"), Qt::LeftButton);
}

// Opens the settings as the user does, F5 and then the history's button,
// and acts on them; both dialogs are closed afterwards.
void InSettings(TForm_Main& window, const std::function<void(JournalSettingsDialog&)>& act) {
  ruvo::test::WhileModal<HistoryDialog>(
      [&] { QTest::mouseClick(Named<QToolButton>(window, "SpeedButton_F5"), Qt::LeftButton); },
      [&](HistoryDialog& history) {
        ruvo::test::WhileModal<JournalSettingsDialog>(
            [&] { Named<QPushButton>(history, "BitBtn_Settings")->click(); },
            [&](JournalSettingsDialog& settings) {
              act(settings);
              Named<QPushButton>(settings, "BitBtn_Close")->click();
            });
        history.reject();
      });
}

QString NextNumber(JournalSettingsDialog& dialog) {
  return Named<QLabel>(dialog, "Label_NextNumber")->text();
}

void SetNumber(JournalSettingsDialog& dialog, const QString& number) {
  Named<QLineEdit>(dialog, "Edit_SlipNumber")->setText(number);
  Named<QPushButton>(dialog, "BitBtn_SetNumber")->click();
}

// The slip number of the newest slip the window recorded.
std::string NewestSlipNumber(WindowHarness& harness) {
  journal::Journal journal(harness.Folder());
  return journal::FindSlips(journal, {}).slips.at(0).slipNumber;
}

}  // namespace

class JournalSettingsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void refusedNumberIsToldAndChangesNothing();
  void numbersF11sSlipsAndIsCorrectedAfterAJam();
  void duplicateWindowDecidesWhetherF11Asks();
};

// 12345678901 divided by 7 leaves 3, not 2: the reason is shown as the
// sentence it is, the ledger stays, and the field keeps the number to be
// corrected.
void JournalSettingsDialogTest::refusedNumberIsToldAndChangesNothing() {
  WindowHarness harness;
  TForm_Main& window = harness.Open();
  InSettings(window, [&](JournalSettingsDialog& dialog) {
    SetNumber(dialog, QStringLiteral("1234-5678-9013"));
    SetNumber(dialog, QStringLiteral("1234-5678-9012"));
    QCOMPARE(harness.boxes.errors,
             QStringList{QStringLiteral("伝票番号の最後の 1 桁が合いません"
                                        "(前の 11 桁を 7 で割った余りです).")});
    QCOMPARE(NextNumber(dialog), QStringLiteral("1234-5678-9013 (12桁・チェックデジット付き)"));
    QCOMPARE(Named<QLineEdit>(dialog, "Edit_SlipNumber")->text(), QStringLiteral("1234-5678-9012"));
  });
}

// Each paper mode keeps its own stock: the hand-fed forms are numbered,
// the continuous ones not until the user says so.
void JournalSettingsDialogTest::numbersF11sSlipsAndIsCorrectedAfterAJam() {
  WindowHarness harness;
  TForm_Main& window = harness.Open();
  InSettings(window, [&](JournalSettingsDialog& dialog) {
    QCOMPARE(Named<QComboBox>(dialog, "ComboBox_PaperMode")->currentText(),
             QStringLiteral("手差し"));
    QCOMPARE(NextNumber(dialog), QStringLiteral("記録していません"));
    SetNumber(dialog, QStringLiteral("１２３４ ５６７８ ９０１３"));
    QCOMPARE(NextNumber(dialog), QStringLiteral("1234-5678-9013 (12桁・チェックデジット付き)"));
    Named<QComboBox>(dialog, "ComboBox_PaperMode")->setCurrentIndex(1);
    QCOMPARE(NextNumber(dialog), QStringLiteral("記録していません"));
    QVERIFY(!Named<QPushButton>(dialog, "BitBtn_StopNumber")->isEnabled());
  });
  window.WriteRecord(ruvo::test::FullSlip());
  harness.boxes.answers = {true};
  PressF11(window);
  QCOMPARE(harness.service.PrintedJobs().size(), std::size_t{1});
  QCOMPARE(NewestSlipNumber(harness), std::string("123456789013"));

  // The next form jammed: the one after it is numbered 9035.
  InSettings(window, [&](JournalSettingsDialog& dialog) {
    QCOMPARE(NextNumber(dialog), QStringLiteral("1234-5678-9024 (12桁・チェックデジット付き)"));
    QCOMPARE(Named<QLineEdit>(dialog, "Edit_SlipNumber")->text(), QStringLiteral("1234-5678-9024"));
    SetNumber(dialog, QStringLiteral("1234-5678-9035"));
  });
  ruvo::SlipRecord other = ruvo::test::FullSlip();
  other.recipientName = ruvo::test::Sj("佐藤花子");
  window.WriteRecord(other);
  harness.boxes.answers = {true};
  PressF11(window);
  QCOMPARE(NewestSlipNumber(harness), std::string("123456789035"));

  InSettings(window, [&](JournalSettingsDialog& dialog) {
    harness.boxes.answers = {true};
    Named<QPushButton>(dialog, "BitBtn_StopNumber")->click();
    QCOMPARE(harness.boxes.questions.last(),
             QStringLiteral("「手差し」の伝票番号の記録をやめますか?"));
    QCOMPARE(NextNumber(dialog), QStringLiteral("記録していません"));
  });
  other.recipientName = ruvo::test::Sj("山本一郎");
  window.WriteRecord(other);
  harness.boxes.answers = {true};
  PressF11(window);
  QCOMPARE(NewestSlipNumber(harness), std::string());
  QVERIFY(harness.boxes.errors.isEmpty());
}

// The same slip printed at 14:05 and asked about again at 22:05 the next
// day (32 hours later) only when the window reaches that far back.
void JournalSettingsDialogTest::duplicateWindowDecidesWhetherF11Asks() {
  WindowHarness harness;
  TForm_Main& window = harness.Open();
  window.WriteRecord(ruvo::test::FullSlip());
  harness.boxes.answers = {true};
  PressF11(window);
  harness.journalNow += std::chrono::hours(32);
  const QString printerQuestion = QStringLiteral("「Slip」に印刷しますか?");
  const struct {
    int hours;
    QString asked;
  } cases[] = {
      {0, printerQuestion},  // the same day: yesterday's print does not count
      {48, QStringLiteral("昨日 14:05 に同じお届け先・品名で印刷済みです。もう一度印刷しますか?")},
      {31, printerQuestion},  // one hour short of it
  };
  for (const auto& c : cases) {
    InSettings(window, [&](JournalSettingsDialog& dialog) {
      auto* hours = Named<QSpinBox>(dialog, "SpinBox_DuplicateHours");
      if (c.hours == 0) QCOMPARE(hours->text(), QStringLiteral("同じ日のうち"));
      hours->setValue(c.hours);
    });
    harness.boxes.answers = {false};
    PressF11(window);
    QCOMPARE(harness.boxes.questions.last(), c.asked);
  }
  QCOMPARE(harness.service.PrintedJobs().size(), std::size_t{1});
}

QTEST_MAIN(JournalSettingsDialogTest)
#include "journal_settings_dialog_test.moc"
