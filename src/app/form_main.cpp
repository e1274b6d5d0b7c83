#include "app/form_main.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>

#include "app/app_identity.h"
#include "app/cp932_line_edit.h"
#include "app/form_slip97y_prn.h"
#include "app/function_key_bar.h"
#include "app/goods_band.h"
#include "app/order_file_drops.h"
#include "app/recipient_band.h"
#include "app/sender_band.h"
#include "app/transfer_band.h"
#include "app/window_kit.h"
#include "postal/postal_loader.h"
#include "print/printer_watch.h"
#include "widgets/ov_num_edit.h"

namespace ruvo::app {
namespace {

std::chrono::year_month_day ToYmd(QDate date) {
  return std::chrono::year_month_day{std::chrono::year(date.year()),
                                     std::chrono::month(static_cast<unsigned>(date.month())),
                                     std::chrono::day(static_cast<unsigned>(date.day()))};
}

QDate ToQDate(std::chrono::year_month_day date) {
  return QDate(static_cast<int>(date.year()), static_cast<int>(unsigned{date.month()}),
               static_cast<int>(unsigned{date.day()}));
}

// Reads a field as CP932 and counts what became "〓".
std::string ReadField(const TCp932Edit* edit, std::size_t& replaced) {
  Cp932Text text = edit->Cp932();
  replaced += text.replaced;
  return std::move(text.bytes);
}

}  // namespace

TForm_Main::TForm_Main(AppServices services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      services_(std::move(services)),
      guard_(services_.boxes, this) {
  setObjectName(QStringLiteral("Form_Main"));
  setWindowTitle(kMainCaption);
  setFont(WindowFont(16));
  setFixedSize(682, 663);
  MakeBands();
  SetTabOrder();
  RouteKeys();
  ConnectHandlers();
  ConnectEntryHandlers();
  printPosition_ = new TForm_SLIP97YPrn(*this, services_, this);
  printerWatch_ = new PrinterWatch(services_.printer, this);
  new OrderFileDrops(this, [this](const std::filesystem::path& file) {
    guard_.Run([&] { OpenOrderFile(file); });
  });
  connect(printerWatch_, &PrinterWatch::printersChanged, this,
          [this] { guard_.Run([&] { OnPrintersChanged(); }); });
}

TForm_Main::~TForm_Main() = default;

void TForm_Main::MakeBands() {
  transfer_ = new TransferBand(this);
  recipient_ = new RecipientBand(this);
  sender_ = new SenderBand(this);
  goods_ = new GoodsBand(this);
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
  Label_PrinterInForce = new QLabel(StatusBar1);
  Label_PrinterInForce->setObjectName(QStringLiteral("Label_PrinterInForce"));
  Label_PrinterInForce->setText(QStringLiteral("印刷先: なし"));
  StatusBar1->addPermanentWidget(Label_PrinterInForce);
}

// Recipient, then band 4, then the sender; the memo and the glyph buttons
// of the transfer band are no tab stops.
void TForm_Main::SetTabOrder() {
  const QList<QWidget*> order = {
      recipient_->Edit_Zip,     recipient_->Edit_Add1,   recipient_->Edit_Add2,
      recipient_->Edit_Add3,    recipient_->Edit_Custo1, recipient_->Edit_tel,
      goods_->CheckBox_Date_1,  goods_->Edit_de_date1,   goods_->Edit_de_date2,
      goods_->DateTimePicker_1, goods_->Edit_G1,         goods_->Edit_G2,
      goods_->Edit_G3,          goods_->OvNumEdit_KOSUU, goods_->ComboBox_SEL,
      goods_->BitBtn_PrnSet2,   goods_->BitBtn_PrnSet,   goods_->CheckBox_t1,
      goods_->CheckBox_t2,      goods_->CheckBox_t3,     goods_->CheckBox_t4,
      goods_->CheckBox_t5,      goods_->BitBtn_SendMail, sender_->PageControl_My,
      sender_->CheckBox_My,     sender_->Edit_MyZip,     sender_->Edit_MyADD1,
      sender_->Edit_MyADD2,     sender_->Edit_My,        sender_->Edit_MyTEL,
      sender_->BitBtn_My};
  for (qsizetype i = 1; i < order.size(); ++i)
    QWidget::setTabOrder(order.at(i - 1), order.at(i));
}

SlipRecord TForm_Main::Record() {
  std::size_t replaced = 0;
  SlipRecord slip;
  slip.recipientZip = ReadField(recipient_->Edit_Zip, replaced);
  slip.recipientAddress1 = ReadField(recipient_->Edit_Add1, replaced);
  slip.recipientAddress2 = ReadField(recipient_->Edit_Add2, replaced);
  slip.recipientAddress3 = ReadField(recipient_->Edit_Add3, replaced);
  slip.recipientName = ReadField(recipient_->Edit_Custo1, replaced);
  slip.recipientTel = ReadField(recipient_->Edit_tel, replaced);
  for (std::size_t i = 0; i < slip.goods.size(); ++i)
    slip.goods[i] = ReadField(goods_->Goods()[i], replaced);
  slip.quantity = goods_->OvNumEdit_KOSUU->GetText();
  slip.slipDate = SlipDate();
  slip.printDate = goods_->CheckBox_Date_1->isChecked();
  slip.wishedMonth = ReadField(goods_->Edit_de_date1, replaced);
  slip.wishedDay = ReadField(goods_->Edit_de_date2, replaced);
  for (std::size_t i = 0; i < slip.timeSlots.size(); ++i)
    slip.timeSlots[i] = goods_->TimeSlots()[i]->isChecked();
  slip.printSender = sender_->CheckBox_My->isChecked();
  slip.senderZip = ReadField(sender_->Edit_MyZip, replaced);
  slip.senderAddress1 = ReadField(sender_->Edit_MyADD1, replaced);
  slip.senderAddress2 = ReadField(sender_->Edit_MyADD2, replaced);
  slip.senderName = ReadField(sender_->Edit_My, replaced);
  slip.senderTel = ReadField(sender_->Edit_MyTEL, replaced);
  ShowReplacedNotice(replaced);
  return slip;
}

void TForm_Main::WriteRecord(const SlipRecord& slip) {
  recipient_->Edit_Zip->SetCp932Text(slip.recipientZip);
  recipient_->Edit_Add1->SetCp932Text(slip.recipientAddress1);
  recipient_->Edit_Add2->SetCp932Text(slip.recipientAddress2);
  recipient_->Edit_Add3->SetCp932Text(slip.recipientAddress3);
  recipient_->Edit_Custo1->SetCp932Text(slip.recipientName);
  recipient_->Edit_tel->SetCp932Text(slip.recipientTel);
  for (std::size_t i = 0; i < slip.goods.size(); ++i)
    goods_->Goods()[i]->SetCp932Text(slip.goods[i]);
  goods_->OvNumEdit_KOSUU->SetText(slip.quantity);
  goods_->DateTimePicker_1->setDate(ToQDate(slip.slipDate));
  goods_->CheckBox_Date_1->setChecked(slip.printDate);
  goods_->Edit_de_date1->SetCp932Text(slip.wishedMonth);
  goods_->Edit_de_date2->SetCp932Text(slip.wishedDay);
  for (std::size_t i = 0; i < slip.timeSlots.size(); ++i)
    goods_->TimeSlots()[i]->setChecked(slip.timeSlots[i]);
  sender_->CheckBox_My->setChecked(slip.printSender);
  sender_->SetPrinted(slip.printSender);
  sender_->Edit_MyZip->SetCp932Text(slip.senderZip);
  sender_->Edit_MyADD1->SetCp932Text(slip.senderAddress1);
  sender_->Edit_MyADD2->SetCp932Text(slip.senderAddress2);
  sender_->Edit_My->SetCp932Text(slip.senderName);
  sender_->Edit_MyTEL->SetCp932Text(slip.senderTel);
}

int TForm_Main::SenderTab() const {
  return senderTabValid_ ? sender_->PageControl_My->currentIndex() : -1;
}

std::chrono::year_month_day TForm_Main::SlipDate() const {
  return ToYmd(goods_->DateTimePicker_1->date());
}

QString TForm_Main::StatusText() const {
  return StatusBar1->currentMessage();
}

QString TForm_Main::HelpText() const {
  return Panel_HelpMess->text();
}

void TForm_Main::SetStatus(const QString& text) {
  StatusBar1->showMessage(text);
}

void TForm_Main::SetHelp(const QString& text) {
  Panel_HelpMess->setText(text);
}

void TForm_Main::ShowReplacedNotice(std::size_t replaced) {
  if (replaced == 0) return;
  SetStatus(QStringLiteral("Shift-JISで表せない文字 %1 個を「〓」にしました").arg(replaced));
}

void TForm_Main::ShowInputNotice(const TCp932Edit& edit, int replaced, int dropped, int cut) {
  QStringList parts;
  if (replaced > 0)
    parts << QStringLiteral("Shift-JISで表せない文字 %1 個を「〓」にしました").arg(replaced);
  if (dropped > 0) parts << QStringLiteral("改行より後と制御文字は入力されません");
  if (cut > 0)
    parts << QStringLiteral("この欄には %1 バイトまで入力できます").arg(edit.ByteLimit());
  SetStatus(parts.join(QStringLiteral("。")));
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
    guard_.Run([this] { FormShow(); });
    startupDone_ = true;
  });
}

void TForm_Main::closeEvent(QCloseEvent* event) {
  guard_.Run([this] { FormDestroy(); });
  QWidget::closeEvent(event);
}

}  // namespace ruvo::app
