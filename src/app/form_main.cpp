#include "app/form_main.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include "app/app_identity.h"
#include "app/field_keys.h"
#include "app/form_slip97y_prn.h"
#include "app/function_key_bar.h"
#include "app/goods_band.h"
#include "app/order_file_drops.h"
#include "app/paper_mode_printer.h"
#include "app/printer_group.h"
#include "app/recipient_band.h"
#include "app/sender_band.h"
#include "app/single_instance.h"
#include "app/transfer_band.h"
#include "app/window_journal.h"
#include "app/window_kit.h"
#include "postal/postal_loader.h"
#include "print/printer_watch.h"

namespace ruvo::app {

TForm_Main::TForm_Main(AppServices services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      services_(std::move(services)),
      guard_(services_.boxes, this),
      journal_(std::make_unique<WindowJournal>(services_.workingFolder, services_.journalClock)) {
  setObjectName(QStringLiteral("Form_Main"));
  setWindowTitle(kMainCaption);
  setFont(WindowFont(16));
  setFixedSize(682, 663);
  MakeBands();
  MakeStatusLines();
  printerWatch_ = new PrinterWatch(services_.printer, this);
  printer_ = new PaperModePrinter(services_.printer, *printerWatch_, *printers_, *StatusBar1,
                                  services_.workingFolder, services_.files, this);
  printPosition_ = new TForm_SLIP97YPrn(
      services_.boxes,
      {.registerPosition = [this](const PrintPosition& at) { printer_->RegisterPosition(at); },
       .printTestSheet = [this](const PrintPosition& at) { PrintTestSheet(at); },
       .printProof = [this](const PrintPosition& at) { PrintProof(at); }},
      this);
  new OrderFileDrops(this, [this](const std::filesystem::path& file) {
    guard_.Run([&] { OpenOrderFile(file); });
  });
  ConnectBands();
  MakeCompleters();
}

TForm_Main::~TForm_Main() = default;

// The bands are made in the order Tab and Enter walk them: the recipient,
// the goods, the sender.
void TForm_Main::MakeBands() {
  fieldKeys_ = new FieldKeys(guard_,
                             {.functionKey = [this](int number) { FunctionKey(number); },
                              .moveFocus = [this](bool next) { focusNextPrevChild(next); },
                              .focusGoods = [this] { goods_->FocusGoods(Qt::TabFocusReason); },
                              .completeAddress = [this] { CompleteAddress(); }},
                             this);
  transfer_ = new TransferBand(guard_, this);
  recipient_ = new RecipientBand(*fieldKeys_, this);
  goods_ = new GoodsBand(guard_, *fieldKeys_, this);
  printers_ = &goods_->Printers();
  sender_ = new SenderBand(guard_, *fieldKeys_, this);
}

void TForm_Main::MakeStatusLines() {
  Panel_HelpMess = new QLabel(this);
  Panel_HelpMess->setObjectName(QStringLiteral("Panel_HelpMess"));
  Panel_HelpMess->setGeometry(0, 589, 682, 30);
  Panel_HelpMess->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel_HelpMess->setIndent(8);
  Panel_HelpMess->setAutoFillBackground(true);
  Panel_HelpMess->setBackgroundRole(QPalette::ToolTipBase);
  Panel_HelpMess->setForegroundRole(QPalette::ToolTipText);
  keys_ = new FunctionKeyBar(this);
  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setGeometry(0, 647, 682, 16);
  StatusBar1->setSizeGripEnabled(false);
  StatusBar1->setFont(WindowFont(12));
}

template <typename Sender, typename Signal, typename Handler>
void TForm_Main::On(Sender* sender, Signal signal, Handler handler) {
  ConnectGuarded(guard_, sender, signal, this, handler);
}

void TForm_Main::ConnectBands() {
  On(keys_, &FunctionKeyBar::keyClicked, [this](int number) { FunctionKey(number); });
  On(transfer_, &TransferBand::transferRequested, [this] { TransferMemo(); });
  On(transfer_, &TransferBand::memoEntered, [this] {
    SetHelp(QStringLiteral("テキストを貼り付けることができます　７行以内に収めてください"));
  });
  On(recipient_, &RecipientBand::clearRequested, [this] { AskToClearRecipient(); });
  On(recipient_, &RecipientBand::postalCodeLeft, [this] { PostalCodeLeft(); });
  On(sender_, &SenderBand::tabChanged, [this] { SenderTabChanged(); });
  On(sender_, &SenderBand::registerRequested, [this] { RegisterSender(); });
  On(goods_, &GoodsBand::webHelpRequested, [this] { OpenWebHelp(); });
  On(goods_, &GoodsBand::mailRequested, [this] { OpenSupportMail(); });
  On(printers_, &PrinterGroup::paperModeChosen, [this] { printer_->PaperModeChanged(); });
  On(printers_, &PrinterGroup::registerPrinterRequested,
     [this] { printer_->RegisterPrinter([this] { return RunPrinterSetup(); }); });
  On(printers_, &PrinterGroup::marginsRequested, [this] { AdjustMargins(); });
  On(printerWatch_, &PrinterWatch::printersChanged, [this] { printer_->PrintersChanged(); });
  const auto entered = [this](SlipField field) { EnterField(field); };
  const auto adjusted = [this](SlipField field, int replaced, int dropped, int cut) {
    ShowInputNotice(field, replaced, dropped, cut);
  };
  On(recipient_, &RecipientBand::fieldEntered, entered);
  On(recipient_, &RecipientBand::inputAdjusted, adjusted);
  On(goods_, &GoodsBand::fieldEntered, entered);
  On(goods_, &GoodsBand::inputAdjusted, adjusted);
  On(sender_, &SenderBand::fieldEntered, entered);
  On(sender_, &SenderBand::inputAdjusted, adjusted);
}

SlipRecord TForm_Main::Record(std::size_t* replaced) const {
  std::size_t count = 0;
  const Recipient recipient = recipient_->Fields(count);
  const Goods goods = goods_->Fields(count);
  const settings::SenderFields sender = sender_->Fields(count);
  if (replaced != nullptr) *replaced = count;
  SlipRecord slip;
  slip.recipientZip = recipient.zip;
  slip.recipientAddress1 = recipient.address1;
  slip.recipientAddress2 = recipient.address2;
  slip.recipientAddress3 = recipient.address3;
  slip.recipientName = recipient.name;
  slip.recipientTel = recipient.tel;
  slip.goods = goods.lines;
  slip.quantity = goods.quantity;
  slip.slipDate = goods.slipDate;
  slip.printDate = goods.printDate;
  slip.wishedMonth = goods.wishedMonth;
  slip.wishedDay = goods.wishedDay;
  slip.timeSlots = goods.timeSlots;
  slip.printSender = sender_->Printed();
  slip.senderZip = sender.zip;
  slip.senderAddress1 = sender.address1;
  slip.senderAddress2 = sender.address2;
  slip.senderName = sender.name;
  slip.senderTel = sender.tel;
  return slip;
}

void TForm_Main::WriteRecord(const SlipRecord& slip) {
  recipient_->SetFields({slip.recipientZip, slip.recipientAddress1, slip.recipientAddress2,
                         slip.recipientAddress3, slip.recipientName, slip.recipientTel});
  goods_->SetFields({slip.goods, slip.quantity, slip.slipDate, slip.printDate, slip.wishedMonth,
                     slip.wishedDay, slip.timeSlots});
  sender_->SetPrinted(slip.printSender);
  sender_->SetFields(
      {slip.senderZip, slip.senderAddress1, slip.senderAddress2, slip.senderName, slip.senderTel});
}

SlipRecord TForm_Main::ReadRecordTellingReplaced() {
  std::size_t replaced = 0;
  SlipRecord slip = Record(&replaced);
  ShowReplacedNotice(replaced);
  return slip;
}

int TForm_Main::SenderTab() const {
  return senderTabValid_ ? sender_->Tab() : -1;
}

QString TForm_Main::StatusText() const {
  return StatusBar1->currentMessage();
}

void TForm_Main::SetStatus(const QString& text) {
  StatusBar1->showMessage(text);
}

QString TForm_Main::HelpText() const {
  return Panel_HelpMess->text();
}

void TForm_Main::SetHelp(const QString& text) {
  Panel_HelpMess->setText(text);
}

const PrintLabels& TForm_Main::Labels() const {
  return printer_->Labels();
}

const PrinterInForce& TForm_Main::PrinterInForceNow() const {
  return printer_->InForce();
}

QString TForm_Main::PrinterInForceText() const {
  return printer_->InForceText();
}

void TForm_Main::ShowReplacedNotice(std::size_t replaced) {
  if (replaced == 0) return;
  SetStatus(QStringLiteral("Shift-JISで表せない文字 %1 個を「〓」にしました").arg(replaced));
}

void TForm_Main::ShowInputNotice(SlipField field, int replaced, int dropped, int cut) {
  QStringList parts;
  if (replaced > 0)
    parts << QStringLiteral("Shift-JISで表せない文字 %1 個を「〓」にしました").arg(replaced);
  if (dropped > 0) parts << QStringLiteral("改行より後と制御文字は入力されません");
  if (cut > 0) {
    parts << QStringLiteral("この欄には %1 バイトまで入力できます")
                 .arg(SlipFieldOf(field).entryBytes);
  }
  SetStatus(parts.join(QStringLiteral("。")));
}

void TForm_Main::FunctionKey(int number) {
  if (number == 2) AskToQuit();
  if (number == 3) ChooseOrderFile();
  if (number == 5) OpenHistory();
  if (number == 6) OpenRecipientBook();
  if (number == 7) printer_->SetUpForTheRun([this] { return RunPrinterSetup(); });
  if (number == 8) UpdatePostalData();
  if (number == 9) ShowPreview();
  if (number == 11) AskToPrint();
}

void TForm_Main::ComeForwardFor(SingleInstance& instance) {
  On(&instance, &SingleInstance::raiseRequested, [this] { BringForward(); });
}

void TForm_Main::BringForward() {
  setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  show();
  raise();
  activateWindow();
}

void TForm_Main::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_) return;
  shown_ = true;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  // The postal dictionary takes a fraction of a second of one core to
  // read: it starts once the window stands, not in its way. A postal check
  // asked for before then loads it at once.
  if (services_.postal != nullptr) {
    QTimer::singleShot(std::chrono::seconds(1), this,
                       [this] { services_.postal->StartInBackground(); });
  }
}

// The start-up runs right after the window's first paint: the window stands
// at once, already captioned and usable, while the settings are read and the
// printer asked, and an error box of the start-up stands over it.
void TForm_Main::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (startupQueued_) return;
  startupQueued_ = true;
  QTimer::singleShot(0, this, [this] {
    guard_.Run([this] { StartUp(); });
    startupDone_ = true;
    // The journal's check and the day's copy wait until the window is
    // usable.
    QTimer::singleShot(0, this, [this] { guard_.Run([this] { OpenJournal(); }); });
  });
}

void TForm_Main::closeEvent(QCloseEvent* event) {
  guard_.Run([this] { SaveSlip(); });
  QWidget::closeEvent(event);
}

}  // namespace ruvo::app
