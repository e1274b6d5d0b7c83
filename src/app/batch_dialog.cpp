#include "app/batch_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/batch_orders_model.h"
#include "app/order_file_loader.h"
#include "app/slip_preview.h"
#include "app/window_kit.h"
#include "print/lm_printers.h"
#include "print/print_job.h"
#include "print/slip_document.h"
#include "qt_text/qt_text.h"

namespace ruvo::app {
namespace {

// The dialog's size where the screen has room: the table's columns side by
// side, some twenty orders in view.
constexpr int kWidth = 1000;
constexpr int kHeight = 640;
// What the window frame and a task bar take of the screen.
constexpr int kScreenMargin = 48;
// The problem list's height: a few lines; it scrolls for the rest.
constexpr int kProblemListHeight = 110;
// The unused columns named on the line before "ほか N 列".
constexpr std::size_t kUnusedNamed = 12;

struct EncodingChoice {
  const char16_t* caption;
  std::optional<batch::CsvEncoding> encoding;
};

constexpr EncodingChoice kEncodingChoices[] = {
    {u"自動", std::nullopt},
    {u"UTF-8", batch::CsvEncoding::kUtf8},
    {u"Shift-JIS", batch::CsvEncoding::kCp932},
    {u"UTF-16LE", batch::CsvEncoding::kUtf16Le},
    {u"UTF-16BE", batch::CsvEncoding::kUtf16Be},
};

QString EncodingCaption(batch::CsvEncoding encoding) {
  for (const EncodingChoice& choice : kEncodingChoices) {
    if (choice.encoding == encoding) return QString::fromUtf16(choice.caption);
  }
  return {};
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

QString PathText(const std::filesystem::path& path) {
  return QString::fromStdString(path.string());
}

std::optional<std::filesystem::path> AskForFile(QWidget* parent, const QString& caption,
                                                const QString& filter) {
  const QString file = QFileDialog::getOpenFileName(parent, caption, QString(), filter);
  if (file.isEmpty()) return std::nullopt;
  return std::filesystem::path(file.toStdString());
}

// "1 行目 のし: どの項目の列か…"; a problem of the whole file has no row.
QString FileProblemText(const batch::BatchProblem& problem) {
  const QString row = problem.row > 0 ? QStringLiteral("%1 行目 ").arg(problem.row) : QString();
  return row + BatchProblemText(problem);
}

}  // namespace

BatchDialog::BatchDialog(BatchDialogSetup setup, QWidget* parent)
    : QDialog(parent), setup_(std::move(setup)), guard_(setup_.boxes, this) {
  setObjectName(QStringLiteral("Form_Batch"));
  setFont(WindowFont(14));
  MakeControls();
  ConnectControls();
  FitScreen();
  StartLoading();
}

// The table's model outlives the orders it shows (a child, deleted after
// them): it lets go of them first, as the dialog is still hidden after.
BatchDialog::~BatchDialog() {
  loader_->Cancel();
  model_->SetFile(nullptr);
}

void BatchDialog::MakeControls() {
  model_ = new BatchOrdersModel(this);
  loader_ = new OrderFileLoader(this);
  BitBtn_Open = MakeButton(this, "BitBtn_Open", QStringLiteral("ファイルを開く…"));
  ComboBox_Encoding = new QComboBox(this);
  ComboBox_Encoding->setObjectName(QStringLiteral("ComboBox_Encoding"));
  for (const EncodingChoice& choice : kEncodingChoices)
    ComboBox_Encoding->addItem(QString::fromUtf16(choice.caption));
  ComboBox_Map = new QComboBox(this);
  ComboBox_Map->setObjectName(QStringLiteral("ComboBox_Map"));
  ComboBox_Map->addItem(
      QStringLiteral("作業フォルダの ") +
      QString::fromUtf8(batch::kColumnMapFileName.data(),
                        static_cast<qsizetype>(batch::kColumnMapFileName.size())));
  if (setup_.choices.columnMap) {
    ComboBox_Map->addItem(PathText(setup_.choices.columnMap->filename()),
                          PathText(*setup_.choices.columnMap));
    ComboBox_Map->setCurrentIndex(1);
  }
  BitBtn_ChooseMap = MakeButton(this, "BitBtn_ChooseMap", QStringLiteral("対応表を選ぶ…"));
  BitBtn_Reload = MakeButton(this, "BitBtn_Reload", QStringLiteral("読み直す"));
  Label_Summary = new QLabel(this);
  Label_Summary->setObjectName(QStringLiteral("Label_Summary"));
  Label_Problems = new QLabel(this);
  Label_Problems->setObjectName(QStringLiteral("Label_Problems"));
  Label_Problems->setStyleSheet(QStringLiteral("color: #c00000"));
  List_Problems = new QListWidget(this);
  List_Problems->setObjectName(QStringLiteral("List_Problems"));
  List_Problems->setFixedHeight(kProblemListHeight);
  List_Problems->setUniformItemSizes(true);
  Label_Unused = new QLabel(this);
  Label_Unused->setObjectName(QStringLiteral("Label_Unused"));
  Label_Unused->setStyleSheet(QStringLiteral("color: #505050"));
  Table_Rows = new QTableView(this);
  Table_Rows->setObjectName(QStringLiteral("Table_Rows"));
  Table_Rows->setModel(model_);
  for (int column = 0; column < BatchOrdersModel::kVerdict; ++column)
    Table_Rows->setColumnWidth(column, BatchOrdersModel::ColumnWidth(column));
  Table_Rows->horizontalHeader()->setStretchLastSection(true);
  // Rows of one height: a file of many orders is laid out at once.
  Table_Rows->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  Table_Rows->setWordWrap(false);
  Table_Rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Table_Rows->setSelectionBehavior(QAbstractItemView::SelectRows);
  Table_Rows->setSelectionMode(QAbstractItemView::SingleSelection);
  ProgressBar = new QProgressBar(this);
  ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
  CheckBox_IncludePrinted = new QCheckBox(QStringLiteral("印刷済みの行も印刷する"), this);
  CheckBox_IncludePrinted->setObjectName(QStringLiteral("CheckBox_IncludePrinted"));
  CheckBox_IncludePrinted->setVisible(false);
  BitBtn_Preview = MakeButton(this, "BitBtn_Preview", QStringLiteral("プレビュー"));
  BitBtn_PrintRow = MakeButton(this, "BitBtn_PrintRow", QStringLiteral("選んだ注文を印刷"));
  BitBtn_PrintAll = MakeButton(this, "BitBtn_PrintAll", QStringLiteral("すべて印刷"));
  BitBtn_Cancel = MakeButton(this, "BitBtn_Cancel", QStringLiteral("中止"));
  BitBtn_Close = MakeButton(this, "BitBtn_Close", QStringLiteral("閉じる"));

  auto* choices = new QHBoxLayout;
  choices->addWidget(BitBtn_Open);
  choices->addWidget(new QLabel(QStringLiteral("文字コード:"), this));
  choices->addWidget(ComboBox_Encoding);
  choices->addWidget(new QLabel(QStringLiteral("対応表:"), this));
  choices->addWidget(ComboBox_Map, 1);
  choices->addWidget(BitBtn_ChooseMap);
  choices->addWidget(BitBtn_Reload);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(CheckBox_IncludePrinted);
  buttons->addWidget(ProgressBar, 1);
  for (QWidget* widget :
       {static_cast<QWidget*>(BitBtn_Cancel), static_cast<QWidget*>(BitBtn_Preview),
        static_cast<QWidget*>(BitBtn_PrintRow), static_cast<QWidget*>(BitBtn_PrintAll),
        static_cast<QWidget*>(BitBtn_Close)})
    buttons->addWidget(widget);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(choices);
  layout->addWidget(Label_Summary);
  layout->addWidget(Label_Problems);
  layout->addWidget(List_Problems);
  layout->addWidget(Label_Unused);
  layout->addWidget(Table_Rows, 1);
  layout->addLayout(buttons);
}

void BatchDialog::ConnectControls() {
  const auto on = [this](QPushButton* button, void (BatchDialog::*handler)()) {
    ConnectGuarded(guard_, button, &QPushButton::clicked, this,
                   [this, handler] { (this->*handler)(); });
  };
  on(BitBtn_Open, &BatchDialog::OpenAnotherFile);
  on(BitBtn_ChooseMap, &BatchDialog::ChooseColumnMap);
  on(BitBtn_Reload, &BatchDialog::ReadFileAgain);
  on(BitBtn_PrintAll, &BatchDialog::PrintAll);
  on(BitBtn_PrintRow, &BatchDialog::PrintChosenOrder);
  on(BitBtn_Preview, &BatchDialog::PreviewChosenOrder);
  on(BitBtn_Cancel, &BatchDialog::CancelReadingOrPrinting);
  on(BitBtn_Close, &BatchDialog::reject);
  ConnectGuarded(guard_, ComboBox_Encoding, &QComboBox::activated, this,
                 [this] { ChoicesChanged(); });
  ConnectGuarded(guard_, ComboBox_Map, &QComboBox::activated, this, [this] { ChoicesChanged(); });
  ConnectGuarded(guard_, Table_Rows->selectionModel(), &QItemSelectionModel::currentRowChanged,
                 this, [this] {
                   UpdateButtons();
                   if (preview_ != nullptr && preview_->isVisible()) preview_->RedrawSoon();
                 });
  ConnectGuarded(guard_, CheckBox_IncludePrinted, &QCheckBox::toggled, this,
                 [this] { UpdateButtons(); });
  connect(loader_, &OrderFileLoader::progressed, this, &BatchDialog::ShowProgress);
  connect(loader_, &OrderFileLoader::finished, this, &BatchDialog::LoadFinished);
}

// The dialog's size, within the screen it opens on: its buttons never lie
// off the screen, whatever the file holds.
void BatchDialog::FitScreen() {
  const QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen() : this->screen();
  const QRect room = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, kWidth, kHeight);
  resize(std::min(kWidth, room.width() - kScreenMargin),
         std::min(kHeight, room.height() - kScreenMargin));
}

bool BatchDialog::Loading() const {
  return loader_->Running();
}

int BatchDialog::CurrentRow() const {
  return Table_Rows->selectionModel()->currentIndex().row();
}

void BatchDialog::StartLoading() {
  setWindowTitle(QStringLiteral("送り状の一括印刷 - ") +
                 PathText(setup_.choices.orderFile.filename()));
  file_ = {};
  model_->SetFile(nullptr);
  List_Problems->clear();
  List_Problems->hide();
  Label_Problems->hide();
  Label_Unused->hide();
  Label_Summary->setText(QStringLiteral("読み込んでいます…"));
  ProgressBar->setRange(0, 100);
  ProgressBar->setValue(0);
  loader_->Start([load = setup_.load, choices = setup_.choices](
                     const batch::ReadProgress& progress) { return load(choices, progress); });
  UpdateButtons();
}

void BatchDialog::ShowProgress(int step, int percent) {
  ProgressBar->setFormat(static_cast<batch::ReadStep>(step) == batch::ReadStep::kReading
                             ? QStringLiteral("読み込み中 %p%")
                             : QStringLiteral("確認中 %p%"));
  ProgressBar->setValue(percent);
}

// The file read, or why not: a cancel says so, an error goes to the box.
void BatchDialog::LoadFinished() {
  bool cancelled = false;
  const bool read = guard_.Run([&] {
    try {
      file_ = loader_->TakeResult();
    } catch (const batch::ReadCancelled&) {
      cancelled = true;
    }
  });
  ProgressBar->setFormat(QStringLiteral("%p%"));
  ProgressBar->setValue(0);
  if (!read || cancelled) {
    file_ = {};
    Label_Summary->setText(cancelled ? QStringLiteral("読み込みを中止しました")
                                     : QStringLiteral("ファイルを読めませんでした"));
    UpdateButtons();
    return;
  }
  ShowFile();
}

void BatchDialog::FindEarlierPrints() {
  std::vector<const SlipRecord*> slips;
  for (const batch::Order& order : file_.orders)
    slips.push_back(&order.slip);
  earlier_.assign(file_.orders.size(), QString());
  if (setup_.earlierPrints) earlier_ = setup_.earlierPrints(slips);
  earlier_.resize(file_.orders.size());
  for (std::size_t i = 0; i < file_.orders.size(); ++i) {
    if (!file_.orders[i].Printable()) earlier_[i].clear();
  }
  model_->SetEarlierPrints(earlier_);
  CheckBox_IncludePrinted->setVisible(std::any_of(
      earlier_.begin(), earlier_.end(), [](const QString& when) { return !when.isEmpty(); }));
}

void BatchDialog::ShowFile() {
  model_->SetFile(&file_);
  FindEarlierPrints();
  const std::size_t invalid = file_.InvalidOrderCount();
  const std::size_t warned = static_cast<std::size_t>(
      std::count_if(file_.orders.begin(), file_.orders.end(),
                    [](const batch::Order& order) { return !order.warnings.empty(); }));
  const QString read = QStringLiteral("%1、%2").arg(
      EncodingCaption(file_.encoding),
      file_.separator == '\t' ? QStringLiteral("タブ区切り") : QStringLiteral("カンマ区切り"));
  const QString kind =
      file_.preset.empty() ? QString() : Cp932ToQString(file_.preset) + QStringLiteral("、");
  Label_Summary->setText(
      QStringLiteral(
          "%1%2 (%3 行): 注文 %4 件、印刷できる注文 %5 件、問題のある注文 %6 件、警告 %7 件")
          .arg(kind, read)
          .arg(file_.rowCount)
          .arg(file_.orders.size())
          .arg(file_.orders.size() - invalid)
          .arg(invalid)
          .arg(warned));
  // Which columns fed each field, as a map would write it.
  QStringList sources;
  for (const auto& [field, source] : file_.sources) {
    sources << Cp932ToQString(std::string(batch::OrderFieldName(field))) + QStringLiteral(" ← ") +
                   Cp932ToQString(source);
  }
  Label_Summary->setToolTip(sources.join(QStringLiteral("\n")));
  ShowProblems();
  ShowUnusedColumns();
  UpdateButtons();
}

// The file's problems in a list of a few lines: the first kProblemsShown
// and how many there are in all.
void BatchDialog::ShowProblems() {
  List_Problems->clear();
  const std::size_t count = file_.problems.size();
  Label_Problems->setVisible(count > 0);
  List_Problems->setVisible(count > 0);
  if (count == 0) return;
  Label_Problems->setText(
      QStringLiteral("ファイルに問題が %1 件あります。直すまでどの注文も印刷できません")
          .arg(count));
  const std::size_t shown = std::min(count, static_cast<std::size_t>(kProblemsShown));
  QStringList texts;
  for (std::size_t i = 0; i < shown; ++i)
    texts << FileProblemText(file_.problems[i]);
  if (count > shown)
    texts << QStringLiteral("… ほか %1 件 (全 %2 件)").arg(count - shown).arg(count);
  List_Problems->addItems(texts);
}

// "使わない列 (38): ステータス、サブステータスID、… ほか 26 列", the whole list
// in its tip.
void BatchDialog::ShowUnusedColumns() {
  const std::vector<std::string>& unused = file_.unusedColumns;
  Label_Unused->setVisible(!unused.empty());
  if (unused.empty()) return;
  QStringList named;
  QStringList all;
  for (std::size_t i = 0; i < unused.size(); ++i) {
    const QString header = Cp932ToQString(unused[i]);
    all << header;
    if (i < kUnusedNamed) named << header;
  }
  QString text =
      QStringLiteral("使わない列 (%1): ").arg(unused.size()) + named.join(QStringLiteral("、"));
  if (unused.size() > kUnusedNamed)
    text += QStringLiteral(" … ほか %1 列").arg(unused.size() - kUnusedNamed);
  Label_Unused->setText(text);
  Label_Unused->setToolTip(all.join(QStringLiteral("、")));
}

void BatchDialog::ChoicesChanged() {
  setup_.choices.encoding =
      kEncodingChoices[std::max(ComboBox_Encoding->currentIndex(), 0)].encoding;
  const QVariant map = ComboBox_Map->currentData();
  setup_.choices.columnMap =
      map.isValid() && !map.toString().isEmpty()
          ? std::optional(std::filesystem::path(map.toString().toStdString()))
          : std::nullopt;
  StartLoading();
}

void BatchDialog::UpdateButtons() {
  const bool loading = Loading();
  const bool busy = loading || printing_;
  const batch::Order* current = model_->OrderAt(CurrentRow());
  const bool orderPrintable = file_.problems.empty() && current != nullptr && current->Printable();
  BitBtn_PrintAll->setEnabled(!busy && !OrdersToPrint().empty());
  CheckBox_IncludePrinted->setEnabled(!busy);
  BitBtn_PrintRow->setEnabled(!busy && orderPrintable);
  BitBtn_Preview->setEnabled(!Loading() && current != nullptr);
  for (QWidget* control :
       {static_cast<QWidget*>(BitBtn_Reload), static_cast<QWidget*>(BitBtn_Open),
        static_cast<QWidget*>(BitBtn_ChooseMap), static_cast<QWidget*>(ComboBox_Encoding),
        static_cast<QWidget*>(ComboBox_Map)})
    control->setEnabled(!busy);
  BitBtn_Close->setEnabled(!printing_);
  BitBtn_Cancel->setEnabled(busy);
}

void BatchDialog::OpenAnotherFile() {
  const ChooseFile choose = setup_.chooseOrderFile ? setup_.chooseOrderFile : [](QWidget* parent) {
    return AskForFile(parent, QStringLiteral("注文ファイルを開く"),
                      QStringLiteral("注文ファイル (*.csv *.txt *.tsv *.CSV *.TXT *.TSV);;"
                                     "すべてのファイル (*)"));
  };
  const std::optional<std::filesystem::path> file = choose(this);
  if (!file) return;
  setup_.choices.orderFile = *file;
  StartLoading();
}

void BatchDialog::ChooseColumnMap() {
  const ChooseFile choose = setup_.chooseColumnMap ? setup_.chooseColumnMap : [](QWidget* parent) {
    return AskForFile(parent, QStringLiteral("対応表を選ぶ"),
                      QStringLiteral("対応表 (*.txt *.TXT);;すべてのファイル (*)"));
  };
  const std::optional<std::filesystem::path> map = choose(this);
  if (!map) return;
  const QString path = PathText(*map);
  int index = ComboBox_Map->findData(path);
  if (index < 0) {
    ComboBox_Map->addItem(PathText(map->filename()), path);
    index = ComboBox_Map->count() - 1;
  }
  ComboBox_Map->setCurrentIndex(index);
  ChoicesChanged();
}

void BatchDialog::ReadFileAgain() {
  StartLoading();
}

std::vector<const batch::Order*> BatchDialog::OrdersToPrint() const {
  std::vector<const batch::Order*> orders;
  if (!file_.problems.empty()) return orders;
  const bool includePrinted = CheckBox_IncludePrinted->isChecked();
  for (std::size_t i = 0; i < file_.orders.size(); ++i) {
    const bool printedEarlier = i < earlier_.size() && !earlier_[i].isEmpty();
    if (file_.orders[i].Printable() && (includePrinted || !printedEarlier))
      orders.push_back(&file_.orders[i]);
  }
  return orders;
}

std::size_t BatchDialog::LeftOutAsPrinted() const {
  if (CheckBox_IncludePrinted->isChecked()) return 0;
  return static_cast<std::size_t>(std::count_if(
      earlier_.begin(), earlier_.end(), [](const QString& when) { return !when.isEmpty(); }));
}

// The orders to print, after a question that says how many and how many are
// left out; a file with a problem of its own prints nothing.
void BatchDialog::PrintAll() {
  const std::vector<const batch::Order*> orders = OrdersToPrint();
  if (orders.empty()) return;
  QStringList leftOut;
  if (const std::size_t invalid = file_.InvalidOrderCount(); invalid > 0)
    leftOut << QStringLiteral("問題のある %1 件の注文").arg(invalid);
  if (const std::size_t printed = LeftOutAsPrinted(); printed > 0)
    leftOut << QStringLiteral("印刷済みの %1 件の注文").arg(printed);
  const QString count = QStringLiteral("%1 枚の送り状を印刷しますか?").arg(orders.size());
  const QString question =
      leftOut.isEmpty() ? count
                        : leftOut.join(QStringLiteral("と")) + QStringLiteral("を除いて、") + count;
  if (!setup_.boxes.Ask(this, question)) return;
  if (PrintOrders(orders)) {
    setup_.boxes.Notify(this, QStringLiteral("%1 枚の送り状を印刷しました").arg(orders.size()));
  }
}

void BatchDialog::PrintChosenOrder() {
  const int current = CurrentRow();
  const batch::Order* order = model_->OrderAt(current);
  if (order == nullptr || !file_.problems.empty() || !order->Printable()) return;
  const QString name = Cp932ToQString(order->slip.recipientName);
  const auto index = static_cast<std::size_t>(current);
  const QString earlier = index < earlier_.size() ? earlier_[index] : QString();
  const QString question =
      earlier.isEmpty()
          ? QStringLiteral("%1 行目 (%2) の送り状を印刷しますか?").arg(order->row).arg(name)
          : QStringLiteral(
                "%1 行目 (%2) は%3 に同じお届け先・品名で印刷済みです。もう一度印刷しますか?")
                .arg(order->row)
                .arg(name)
                .arg(earlier);
  if (!setup_.boxes.Ask(this, question)) return;
  PrintOrders({order});
}

void BatchDialog::PreviewChosenOrder() {
  if (model_->OrderAt(CurrentRow()) == nullptr) return;
  previewDpi_ = PreviewResolution(setup_.printer, previewNote_);
  if (preview_ == nullptr) {
    preview_ = new SlipPreview(
        setup_.boxes,
        [this] {
          const batch::Order* order = model_->OrderAt(CurrentRow());
          const SlipPrintValues values{std::to_string(previewDpi_.x),
                                       std::to_string(previewDpi_.y),
                                       setup_.marginTop,
                                       setup_.marginLeft,
                                       setup_.scaleX,
                                       setup_.scaleY};
          ProofPicture picture =
              ProofPictureOf(order != nullptr ? order->slip : SlipRecord{}, values);
          if (!previewNote_.isEmpty()) picture.notes << previewNote_;
          return picture;
        },
        *this, this);
  }
  preview_->show();
  preview_->raise();
  preview_->Redraw();
}

void BatchDialog::CancelReadingOrPrinting() {
  if (Loading()) loader_->Cancel();
  cancelRequested_ = true;
}

void BatchDialog::reject() {
  if (printing_) {
    cancelRequested_ = true;
    return;
  }
  loader_->Cancel();
  QDialog::reject();
}

// Events are let through after each page, so that the progress shows and the
// cancel button works; the job is handed on only after its last page. The
// orders it printed are recorded, and marked as printed from then on.
bool BatchDialog::PrintOrders(const std::vector<const batch::Order*>& orders) {
  std::vector<const SlipRecord*> slips;
  for (const batch::Order* order : orders)
    slips.push_back(&order->slip);
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
    const QString notice = setup_.recordPrinted(setup_.choices.orderFile, orders, values);
    if (!notice.isEmpty()) setup_.boxes.Notify(this, notice);
  }
  FindEarlierPrints();
  UpdateButtons();
  return true;
}

}  // namespace ruvo::app
