#include "app/batch_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/window_kit.h"
#include "print/lm_printers.h"
#include "print/print_job.h"
#include "print/slip_document.h"
#include "qt_text/qt_text.h"
#include "settings/sender_file.h"
#include "slip/slip_fields.h"

namespace ruvo::app {
namespace {

enum Column { kRecipient, kAddress, kGoods, kQuantity, kSlot, kSender, kVerdict, kColumnCount };

struct ColumnSpec {
  const char16_t* caption;
  int width;  // pixels; the verdict takes the rest
};

// The columns in Column order.
constexpr ColumnSpec kColumns[] = {
    {u"お届け先", 130}, {u"住所", 260},  {u"品名", 110}, {u"個数", 45},
    {u"時間帯", 75},    {u"依頼主", 70}, {u"判定", 0},
};

// A row with a problem stands out in a pale red.
const QColor kProblemRowColour(255, 222, 222);
// A row printed a short while ago, in a pale yellow.
const QColor kPrintedRowColour(255, 244, 200);

QString SlotCaption(const SlipRecord& slip) {
  for (std::size_t slot = 0; slot < slip.timeSlots.size(); ++slot) {
    if (slip.timeSlots[slot]) return Cp932ToQString(TimeSlotCaption(slot));
  }
  return {};
}

// "個数: 個数は 1 から 999 までの数で書いてください"; the row's own problems
// have no column.
QString ProblemText(const batch::BatchProblem& problem) {
  const QString reason = Cp932ToQString(problem.reason);
  return problem.column.empty() ? reason
                                : Cp932ToQString(problem.column) + QStringLiteral(": ") + reason;
}

// The problems one after another, each after its row ("3 行目 ") when
// `withRows` and it has one.
QString ProblemsText(const std::vector<batch::BatchProblem>& problems, const QString& separator,
                     bool withRows) {
  QStringList texts;
  for (const batch::BatchProblem& problem : problems) {
    const bool rowShown = withRows && problem.row > 0;
    texts << (rowShown ? QStringLiteral("%1 行目 ").arg(problem.row) : QString()) +
                 ProblemText(problem);
  }
  return texts.join(separator);
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace

BatchDialog::BatchDialog(BatchDialogSetup setup, QWidget* parent)
    : QDialog(parent), setup_(std::move(setup)), guard_(setup_.boxes, this) {
  setObjectName(QStringLiteral("Form_Batch"));
  setWindowTitle(QStringLiteral("送り状の一括印刷 - ") + setup_.fileName);
  setFont(WindowFont(14));
  resize(1000, 560);
  MakeControls();
  ConnectButtons();
  file_ = setup_.load();
  ShowFile();
}

void BatchDialog::MakeControls() {
  Label_Summary = new QLabel(this);
  Label_Summary->setObjectName(QStringLiteral("Label_Summary"));
  Label_Problems = new QLabel(this);
  Label_Problems->setObjectName(QStringLiteral("Label_Problems"));
  Label_Problems->setStyleSheet(QStringLiteral("color: #c00000"));
  Label_Problems->setWordWrap(true);
  Table_Rows = new QTableWidget(0, kColumnCount, this);
  Table_Rows->setObjectName(QStringLiteral("Table_Rows"));
  QStringList captions;
  for (const ColumnSpec& column : kColumns)
    captions << QString::fromUtf16(column.caption);
  Table_Rows->setHorizontalHeaderLabels(captions);
  for (int column = 0; column < kVerdict; ++column)
    Table_Rows->setColumnWidth(column, kColumns[column].width);
  Table_Rows->horizontalHeader()->setStretchLastSection(true);
  Table_Rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Table_Rows->setSelectionBehavior(QAbstractItemView::SelectRows);
  Table_Rows->setSelectionMode(QAbstractItemView::SingleSelection);
  ProgressBar = new QProgressBar(this);
  ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
  CheckBox_IncludePrinted = new QCheckBox(QStringLiteral("印刷済みの行も印刷する"), this);
  CheckBox_IncludePrinted->setObjectName(QStringLiteral("CheckBox_IncludePrinted"));
  BitBtn_Reload = MakeButton(this, "BitBtn_Reload", QStringLiteral("読み直す"));
  BitBtn_PrintRow = MakeButton(this, "BitBtn_PrintRow", QStringLiteral("選んだ行を印刷"));
  BitBtn_PrintAll = MakeButton(this, "BitBtn_PrintAll", QStringLiteral("すべて印刷"));
  BitBtn_Cancel = MakeButton(this, "BitBtn_Cancel", QStringLiteral("中止"));
  BitBtn_Close = MakeButton(this, "BitBtn_Close", QStringLiteral("閉じる"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BitBtn_Reload);
  buttons->addWidget(CheckBox_IncludePrinted);
  buttons->addStretch();
  for (QWidget* widget :
       {static_cast<QWidget*>(ProgressBar), static_cast<QWidget*>(BitBtn_Cancel),
        static_cast<QWidget*>(BitBtn_PrintRow), static_cast<QWidget*>(BitBtn_PrintAll),
        static_cast<QWidget*>(BitBtn_Close)})
    buttons->addWidget(widget);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label_Summary);
  layout->addWidget(Label_Problems);
  layout->addWidget(Table_Rows, 1);
  layout->addLayout(buttons);
}

void BatchDialog::ConnectButtons() {
  const auto on = [this](QPushButton* button, void (BatchDialog::*handler)()) {
    ConnectGuarded(guard_, button, &QPushButton::clicked, this,
                   [this, handler] { (this->*handler)(); });
  };
  on(BitBtn_Reload, &BatchDialog::ReadFileAgain);
  on(BitBtn_PrintAll, &BatchDialog::PrintAll);
  on(BitBtn_PrintRow, &BatchDialog::PrintChosenRow);
  on(BitBtn_Cancel, &BatchDialog::CancelPrinting);
  on(BitBtn_Close, &BatchDialog::reject);
  ConnectGuarded(guard_, Table_Rows, &QTableWidget::itemSelectionChanged, this,
                 [this] { UpdateButtons(); });
  ConnectGuarded(guard_, CheckBox_IncludePrinted, &QCheckBox::toggled, this,
                 [this] { UpdateButtons(); });
}

void BatchDialog::FindEarlierPrints() {
  std::vector<const SlipRecord*> slips;
  for (const batch::OrderRow& row : file_.rows)
    slips.push_back(&row.slip);
  earlier_.assign(file_.rows.size(), QString());
  if (setup_.earlierPrints) earlier_ = setup_.earlierPrints(slips);
  earlier_.resize(file_.rows.size());
  for (std::size_t i = 0; i < file_.rows.size(); ++i) {
    if (!file_.rows[i].Printable()) earlier_[i].clear();
  }
}

void BatchDialog::ShowFile() {
  Table_Rows->clearContents();
  Table_Rows->setRowCount(static_cast<int>(file_.rows.size()));
  QStringList rowNumbers;
  for (const batch::OrderRow& row : file_.rows)
    rowNumbers << QString::number(row.row);
  Table_Rows->setVerticalHeaderLabels(rowNumbers);
  ShowRows();
  const std::size_t invalid = file_.InvalidRowCount();
  Label_Summary->setText(QStringLiteral("%1 行: 印刷できる行 %2、問題のある行 %3")
                             .arg(file_.rows.size())
                             .arg(file_.rows.size() - invalid)
                             .arg(invalid));
  Label_Problems->setText(ProblemsText(file_.problems, QStringLiteral("\n"), true));
  Label_Problems->setVisible(!file_.problems.empty());
  ProgressBar->setValue(0);
  UpdateButtons();
}

// The rows with what each would print, the ones printed a short while ago
// marked.
void BatchDialog::ShowRows() {
  FindEarlierPrints();
  for (std::size_t i = 0; i < file_.rows.size(); ++i)
    ShowRow(static_cast<int>(i), file_.rows[i]);
  const bool anyPrinted = std::any_of(earlier_.begin(), earlier_.end(),
                                      [](const QString& when) { return !when.isEmpty(); });
  CheckBox_IncludePrinted->setVisible(anyPrinted);
}

void BatchDialog::ShowRow(int index, const batch::OrderRow& row) {
  const SlipRecord& slip = row.slip;
  const QString texts[kColumnCount] = {
      Cp932ToQString(slip.recipientName),
      Cp932ToQString(slip.recipientAddress1 + slip.recipientAddress2 + slip.recipientAddress3),
      Cp932ToQString(slip.goods[0]),
      Cp932ToQString(slip.quantity),
      SlotCaption(slip),
      Cp932ToQString(settings::SenderTabCaption(row.senderSlot)),
      Verdict(row),
  };
  for (int column = 0; column < kColumnCount; ++column) {
    auto* item = new QTableWidgetItem(texts[column]);
    if (!row.Printable()) {
      item->setBackground(kProblemRowColour);
      item->setToolTip(ProblemsText(row.problems, QStringLiteral("\n"), false));
    } else if (PrintedEarlier(static_cast<std::size_t>(index))) {
      item->setBackground(kPrintedRowColour);
    }
    Table_Rows->setItem(index, column, item);
  }
}

// A row's own problems; a row without any still waits while the file has one.
QString BatchDialog::Verdict(const batch::OrderRow& row) const {
  if (!row.Printable()) return ProblemsText(row.problems, QStringLiteral("／"), false);
  const auto index = static_cast<std::size_t>(&row - file_.rows.data());
  if (PrintedEarlier(index)) return QStringLiteral("%1 に印刷済み").arg(earlier_[index]);
  return file_.problems.empty() ? QStringLiteral("印刷できます")
                                : QStringLiteral("ファイルの問題を直すと印刷できます");
}

void BatchDialog::UpdateButtons() {
  const int current = Table_Rows->currentRow();
  const bool rowPrintable = file_.problems.empty() && current >= 0 &&
                            file_.rows[static_cast<std::size_t>(current)].Printable();
  BitBtn_PrintAll->setEnabled(!printing_ && !RowsToPrint().empty());
  CheckBox_IncludePrinted->setEnabled(!printing_);
  BitBtn_PrintRow->setEnabled(!printing_ && rowPrintable);
  BitBtn_Reload->setEnabled(!printing_);
  BitBtn_Close->setEnabled(!printing_);
  BitBtn_Cancel->setEnabled(printing_);
}

void BatchDialog::ReadFileAgain() {
  file_ = setup_.load();
  ShowFile();
}

std::vector<const batch::OrderRow*> BatchDialog::RowsToPrint() const {
  std::vector<const batch::OrderRow*> rows;
  if (!file_.problems.empty()) return rows;
  const bool includePrinted = CheckBox_IncludePrinted->isChecked();
  for (std::size_t i = 0; i < file_.rows.size(); ++i) {
    if (file_.rows[i].Printable() && (includePrinted || !PrintedEarlier(i)))
      rows.push_back(&file_.rows[i]);
  }
  return rows;
}

std::size_t BatchDialog::LeftOutAsPrinted() const {
  if (CheckBox_IncludePrinted->isChecked()) return 0;
  return static_cast<std::size_t>(std::count_if(
      earlier_.begin(), earlier_.end(), [](const QString& when) { return !when.isEmpty(); }));
}

// The rows to print, after a question that says how many and how many rows
// are left out; a file with a problem of its own prints nothing.
void BatchDialog::PrintAll() {
  const std::vector<const batch::OrderRow*> rows = RowsToPrint();
  if (rows.empty()) return;
  QStringList leftOut;
  if (const std::size_t invalid = file_.InvalidRowCount(); invalid > 0)
    leftOut << QStringLiteral("問題のある %1 行").arg(invalid);
  if (const std::size_t printed = LeftOutAsPrinted(); printed > 0)
    leftOut << QStringLiteral("印刷済みの %1 行").arg(printed);
  const QString count = QStringLiteral("%1 枚の送り状を印刷しますか?").arg(rows.size());
  const QString question =
      leftOut.isEmpty() ? count
                        : leftOut.join(QStringLiteral("と")) + QStringLiteral("を除いて、") + count;
  if (!setup_.boxes.Ask(this, question)) return;
  if (PrintRows(rows)) {
    setup_.boxes.Notify(this, QStringLiteral("%1 枚の送り状を印刷しました").arg(rows.size()));
  }
}

void BatchDialog::PrintChosenRow() {
  const int current = Table_Rows->currentRow();
  if (current < 0 || !file_.problems.empty()) return;
  const batch::OrderRow& row = file_.rows[static_cast<std::size_t>(current)];
  if (!row.Printable()) return;
  const QString name = Cp932ToQString(row.slip.recipientName);
  const QString question =
      PrintedEarlier(static_cast<std::size_t>(current))
          ? QStringLiteral(
                "%1 行目 (%2) は%3 に同じお届け先・品名で印刷済みです。もう一度印刷しますか?")
                .arg(row.row)
                .arg(name)
                .arg(earlier_[static_cast<std::size_t>(current)])
          : QStringLiteral("%1 行目 (%2) の送り状を印刷しますか?").arg(row.row).arg(name);
  if (!setup_.boxes.Ask(this, question)) return;
  PrintRows({&row});
}

void BatchDialog::CancelPrinting() {
  cancelRequested_ = true;
}

void BatchDialog::reject() {
  if (printing_) {
    cancelRequested_ = true;
    return;
  }
  QDialog::reject();
}

// Events are let through after each page, so that the progress shows and the
// cancel button works; the job is handed on only after its last page. The
// rows it printed are recorded, and marked as printed from then on.
bool BatchDialog::PrintRows(const std::vector<const batch::OrderRow*>& rows) {
  std::vector<const SlipRecord*> slips;
  for (const batch::OrderRow* row : rows)
    slips.push_back(&row->slip);
  if (setup_.requirePrinter) setup_.requirePrinter();
  const SlipPrintValues values = EffectivePrintValues(
      setup_.printer, setup_.marginTop, setup_.marginLeft, setup_.scaleX, setup_.scaleY);
  // The buttons come back however the job ends, an error included.
  struct PrintingState {
    BatchDialog& dialog;
    explicit PrintingState(BatchDialog& owner) : dialog(owner) {
      dialog.printing_ = true;
      dialog.cancelRequested_ = false;
      dialog.UpdateButtons();
    }
    ~PrintingState() {
      dialog.printing_ = false;
      dialog.UpdateButtons();
    }
  };
  DocumentRun run;
  {
    const PrintingState state(*this);
    ProgressBar->setRange(0, static_cast<int>(slips.size()));
    ProgressBar->setValue(0);
    PrinterPageSink sink(setup_.printer);
    run = ruvo::PrintSlips(slips, values, sink, [this](std::size_t done, std::size_t) {
      ProgressBar->setValue(static_cast<int>(done));
      QApplication::processEvents();
      return !cancelRequested_;
    });
  }
  if (run.cancelled) {
    ProgressBar->setValue(0);
    setup_.boxes.Notify(this,
                        QStringLiteral("印刷を中止しました。送り状は 1 枚も印刷されていません"));
    return false;
  }
  if (setup_.recordPrinted) {
    const QString notice = setup_.recordPrinted(rows, values);
    if (!notice.isEmpty()) setup_.boxes.Notify(this, notice);
  }
  ShowRows();
  UpdateButtons();
  return true;
}

}  // namespace ruvo::app
