#pragma once
// The main window: the whole working surface of the program. It holds every
// value of the slip in its controls, restores the last slip when shown,
// saves it when it goes away, and runs the commands behind its fields and
// buttons: the transfer of pasted text, the senders, the printer of each
// paper mode and the print command.
//
// Its controls live in per-band widgets; the window maps them to a
// SlipRecord and back in exactly two functions (Record, WriteRecord), and
// every handler runs inside the one HandlerGuard.

#include <QHash>
#include <QWidget>
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <string>

#include "app/app_services.h"
#include "app/handler_guard.h"
#include "print/slip_record.h"
#include "settings/app_settings.h"
#include "slip/printer_in_force.h"

class QLabel;
class QStatusBar;

namespace ruvo {
class PrinterWatch;
}

namespace ruvo::postal {
class PostalDirectory;
}

namespace ruvo::app {

class FunctionKeyBar;
class GoodsBand;
class RecipientBand;
class SenderBand;
class TCp932Edit;
class TForm_SLIP97YPrn;
class TransferBand;

// The print values the window keeps beside the slip, as decimal texts:
// what the hidden labels of the window hold.
struct PrintLabels {
  std::string printerIndex;  // Label_PrinterIndex; "-1" is the system default
  std::string top;           // Label_Prn_Top, printer dots as typed ("" counts as 0)
  std::string left;          // Label_Prn_Left
  std::string dpiX;          // Label_dpix: effective resolution of the last print
  std::string dpiY;          // Label_dpiy
};

class TForm_Main : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_Main(AppServices services, QWidget* parent = nullptr);
  ~TForm_Main() override;

  // The slip as the controls hold it (CP932). A character CP932 cannot hold
  // is read as "〓" and the status bar says so.
  SlipRecord Record();
  void WriteRecord(const SlipRecord& slip);

  const PrintLabels& Labels() const { return labels_; }
  // The printer, paper and source the next slip goes to, or why none.
  const PrinterInForce& PrinterInForceNow() const { return printerInForce_; }
  // The status bar's permanent part: "印刷先: 事務所プリンタ / A5 / 手差しトレイ".
  QString PrinterInForceText() const;
  // The selected sender tab, -1 when the remembered tab is no tab.
  int SenderTab() const;
  // The shipping date the date picker shows.
  std::chrono::year_month_day SlipDate() const;
  QString StatusText() const;
  QString HelpText() const;
  // The start-up (FormShow) has run, to its end or to the step that failed.
  bool StartupDone() const { return startupDone_; }
  // Restores a minimised window and brings it to the front.
  void BringForward();

  TransferBand* Band1() const { return transfer_; }
  RecipientBand* Band2() const { return recipient_; }
  SenderBand* Band3() const { return sender_; }
  GoodsBand* Band4() const { return goods_; }
  FunctionKeyBar* Keys() const { return keys_; }
  TForm_SLIP97YPrn* PrintPositionDialog() const { return printPosition_; }

  // Commands, as the buttons, keys and fields run them.
  void FormShow();
  void FormDestroy();
  void SpeedButton_F2Click();
  void SpeedButton_F3Click();
  void SpeedButton_F7Click();
  void SpeedButton_F8Click();
  void SpeedButton_F11Click();
  void BitBtn_1Click();
  void BitBtn_MemoCLSClick();
  void BitBtn_CLSClick();
  void BitBtn_MyClick();
  void SpeedButton_readMyClick();
  void PageControl_MyChange();
  void CheckBox_MyClick();
  void BitBtn_WebHelpClick();
  void BitBtn_SendMailClick();
  void SpeedButton_PRNSETClick();
  void ComboBox_SELChange();
  void SpeedButton_PrnIdGetClick();
  void BitBtn_PrnSetClick();
  void BitBtn_PrnSet2Click();
  void Edit_Cls();
  void Edit_Cls_My();
  void Edit_Warning();
  // The batch dialog over the order file `file` (dropped on the window, or
  // chosen with F3).
  void OpenOrderFile(const std::filesystem::path& file);

  // The paper mode's text as the registration file names its section
  // (CP932; empty while the choice has no selection).
  std::string PaperModeText() const;
  // The printer box's text, blanks at both ends removed (CP932).
  std::string PrinterBoxText() const;
  // Puts the margins into the labels the renderer reads.
  void SetMargins(std::string top, std::string left);
  void SetStatus(const QString& text);
  void SetHelp(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  enum class EnterMove { kNext, kToGoods1, kNothing };
  struct KeyRoute {
    bool upMovesBack = true;
    EnterMove enter = EnterMove::kNext;
  };

  void MakeBands();
  void SetTabOrder();
  void RouteKeys();
  void ConnectHandlers();
  void ConnectEntryHandlers();
  template <typename Sender, typename Signal>
  void On(Sender* sender, Signal signal, void (TForm_Main::*handler)());
  bool HandleKey(QWidget* field, const KeyRoute& route, int key);
  void MoveFocus(bool next);
  void EnterField(TCp932Edit* edit, const QString& help, bool addressWarning);
  void ConvertToHalfWidth(TCp932Edit* edit);
  void TimeSlotClick(std::size_t slot);
  void ShowInputNotice(const TCp932Edit& edit, int replaced, int dropped, int cut);
  void ShowReplacedNotice(std::size_t replaced);
  // The postal-code dictionary; null when there is none (its notice is then
  // shown once).
  const postal::PostalDirectory* PostalDirectory();
  void ShowZipStatus();
  void Edit_ZipExit();
  void CompleteAddress();
  void OnPrintersChanged();
  // The setup dialog for the running program, and how it ended.
  AppServices::SetupOutcome RunPrinterSetup();
  // The printer in force from now on: its number into Label_PrinterIndex,
  // the boxes and the status bar showing it, a notice that no longer
  // applies taken away.
  void ApplyPrinterInForce(PrinterInForce inForce);
  // The printer in force selected again after the layer's selection was
  // changed for a dialog that was left without a choice.
  void RestorePrinterInForce();
  // Asks the print service for the printers now; when they changed, the
  // printer in force is selected again by its name. Without one yet, the
  // paper mode's registration is selected.
  void KeepPrinterInForce();
  bool RefusePrintingFromUnreadableFolder();
  void FillPrinterBoxes();
  void ReadSettingsIntoWindow();
  void LoadRememberedSender();
  void ReportUnreadableFiles();
  void ReportForeignEncodings();

  AppServices services_;
  HandlerGuard guard_;
  TransferBand* transfer_ = nullptr;
  RecipientBand* recipient_ = nullptr;
  SenderBand* sender_ = nullptr;
  GoodsBand* goods_ = nullptr;
  QLabel* Panel_HelpMess = nullptr;
  FunctionKeyBar* keys_ = nullptr;
  QStatusBar* StatusBar1 = nullptr;
  QLabel* Label_PrinterInForce = nullptr;
  TForm_SLIP97YPrn* printPosition_ = nullptr;
  PrinterWatch* printerWatch_ = nullptr;
  QHash<QObject*, KeyRoute> keyRoutes_;
  PrintLabels labels_;
  PrinterChoice registered_;       // the current paper mode's registered printer, paper and source
  PrinterInForce printerInForce_;  // nothing chosen until the start-up selects one
  QString printerNotice_;          // the status text ApplyPrinterInForce last showed
  int fontIndex_ = 1;              // "Addr_Font": the hidden font-size choice, used by nothing else
  bool senderTabValid_ = true;     // false while the remembered tab is no tab
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
