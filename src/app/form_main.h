#pragma once
// The main window: the whole working surface of the program. Its bands hold
// the slip's values; the window restores the last slip when shown, saves it
// when it goes away, and runs the commands behind its fields, buttons and
// keys: the transfer of pasted text, the senders, the printer of each paper
// mode and the print command. It coordinates and shows: the values live in
// the bands, the rules in the core.
//
// The slip is mapped to and from the bands in exactly two functions
// (Record, WriteRecord), and every handler runs inside the one HandlerGuard.

#include <QWidget>
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/app_services.h"
#include "app/handler_guard.h"
#include "journal/printed_slip.h"
#include "journal/reprint.h"
#include "print/print_service.h"
#include "print/slip_record.h"
#include "settings/app_settings.h"
#include "slip/printer_in_force.h"
#include "slip/window_state.h"

class QLabel;
class QStatusBar;

namespace ruvo {
class PrinterWatch;
}

namespace ruvo::postal {
class PostalDirectory;
}

namespace ruvo::app {

class FieldKeys;
class FunctionKeyBar;
class GoodsBand;
class PaperModePrinter;
class PrinterGroup;
class RecipientBand;
class SenderBand;
class SingleInstance;
class SlipPreview;
struct PrintPosition;
struct ProofPicture;
class TForm_SLIP97YPrn;
class TransferBand;
class WindowJournal;

class TForm_Main : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_Main(AppServices services, QWidget* parent = nullptr);
  ~TForm_Main() override;

  // The slip as the bands hold it (CP932); `replaced`, when given, counts
  // the characters CP932 cannot hold, read as "〓". Nothing else happens.
  SlipRecord Record(std::size_t* replaced = nullptr) const;
  void WriteRecord(const SlipRecord& slip);

  const PrintLabels& Labels() const;
  // The printer, paper and source the next slip goes to, or why none.
  const PrinterInForce& PrinterInForceNow() const;
  // The status bar's permanent part: "印刷先: 事務所プリンタ / A5 / 手差しトレイ".
  QString PrinterInForceText() const;
  // The selected sender tab, -1 while the remembered tab is no tab.
  int SenderTab() const;
  QString StatusText() const;
  void SetStatus(const QString& text);
  QString HelpText() const;
  // The start-up has run, to its end or to the step that failed.
  bool StartupDone() const { return startupDone_; }
  // Restores a minimised window and brings it to the front.
  void BringForward();
  // Comes to the front whenever a second start on this display asks
  // `instance` for it.
  void ComeForwardFor(SingleInstance& instance);
  // The batch dialog over the order file `file` (dropped on the window, or
  // chosen with F3).
  void OpenOrderFile(const std::filesystem::path& file);
  // The shipment journal the window records its printed slips to.
  WindowJournal& Journal() { return *journal_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void MakeBands();
  void MakeStatusLines();
  void ConnectBands();
  template <typename Sender, typename Signal, typename Handler>
  void On(Sender* sender, Signal signal, Handler handler);
  void SetHelp(const QString& text);
  void ShowReplacedNotice(std::size_t replaced);
  // Record, and the status bar says when characters became "〓".
  SlipRecord ReadRecordTellingReplaced();
  void ShowInputNotice(SlipField field, int replaced, int dropped, int cut);
  void EnterField(SlipField field);
  void FunctionKey(int number);

  // form_main_startup.cpp
  void StartUp();
  void ShowStartupSettings(const WindowStartup& startup);
  void ShowRememberedSender(const TabSender& sender);
  void SaveSlip();

  // form_main_fields.cpp
  void TransferMemo();
  void AskToClearRecipient();
  void AskToQuit();
  void OpenWebHelp();
  void OpenSupportMail();

  // form_main_sender.cpp
  void ShowTabSender(const TabSender& sender);
  void SenderTabChanged();
  void RegisterSender();

  // form_main_print.cpp
  // The setup dialog for the running program, and how it ended.
  AppServices::SetupOutcome RunPrinterSetup();
  void AdjustMargins();
  void AskToPrint();
  // F3: the order file chosen in the desktop's file dialog, as if dropped.
  void ChooseOrderFile();
  bool RefusePrintingFromUnreadableFolder();
  SlipPrintValues FitValues(const PrintLabels& labels);

  // form_main_proof.cpp
  bool AskToPrintOnPlainPaper(const QString& what);
  void PrintTestSheet(const PrintPosition& position);
  void PrintProof(const PrintPosition& position);
  void ShowPreview();
  ProofPicture DrawPreview() const;
  // `question`, after the texts of `slip` that do not fit their boxes.
  QString OverflowQuestion(const SlipRecord& slip, const SlipPrintValues& values,
                           const QString& question) const;

  // form_main_journal.cpp
  void OpenJournal();
  // How the slips of the job the print service accepted last were printed.
  journal::PrintSetup PrintSetupNow(const SlipPrintValues& values) const;
  // Records the job's slips; the notice when they were not recorded.
  void RecordPrinted(std::vector<journal::PrintedSlip> slips);
  // The question before F11 prints `slip`: the duplicate warning when the
  // parcel was printed a short while ago, else the printer's.
  QString PrintQuestion(const SlipRecord& slip);
  // The date the window takes as today, for the journal's dialogs.
  std::chrono::year_month_day Today() const;
  void OpenHistory();
  void OpenRecipientBook();
  void MakeCompleters();
  // The recipient fields take the book's entry `id`.
  void FillRecipient(std::int64_t id);
  // Prints `originals` again as one job on the paper mode's printer, after
  // asking, and records them as reprints.
  void Reprint(const std::vector<journal::PrintedSlip>& originals, journal::ReprintDate date);

  // form_main_postal.cpp
  // The postal-code dictionary; null when there is none (its notice is then
  // shown once).
  const postal::PostalDirectory* PostalDirectory();
  void ShowAddressWarning();
  void ShowZipStatus();
  void PostalCodeLeft();
  void CompleteAddress();
  void UpdatePostalData();

  AppServices services_;
  HandlerGuard guard_;
  FieldKeys* fieldKeys_ = nullptr;
  TransferBand* transfer_ = nullptr;
  RecipientBand* recipient_ = nullptr;
  GoodsBand* goods_ = nullptr;
  PrinterGroup* printers_ = nullptr;
  SenderBand* sender_ = nullptr;
  QLabel* Panel_HelpMess = nullptr;
  FunctionKeyBar* keys_ = nullptr;
  QStatusBar* StatusBar1 = nullptr;
  PrinterWatch* printerWatch_ = nullptr;
  PaperModePrinter* printer_ = nullptr;
  TForm_SLIP97YPrn* printPosition_ = nullptr;
  std::unique_ptr<WindowJournal> journal_;
  SlipPreview* preview_ = nullptr;
  Resolution previewDpi_;       // asked when the preview opens
  QString previewNote_;         // why the preview is not at the printer's resolution
  int fontIndex_ = 1;           // "Addr_Font": the hidden font-size choice, used by nothing else
  bool senderTabValid_ = true;  // false while the remembered tab is no tab
  // The settings file's slip fields as read, and as the controls showed them
  // right after: a field still showing that at exit is saved as read.
  settings::SavedSlip slipRead_;
  settings::SavedSlip slipShown_;
  bool postalNoticeShown_ = false;
  bool shown_ = false;
  bool startupQueued_ = false;
  bool startupDone_ = false;
};

}  // namespace ruvo::app
