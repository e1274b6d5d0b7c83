#include "app/history_dialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "app/journal_settings_dialog.h"
#include "app/slip_list_model.h"
#include "app/window_kit.h"
#include "qt_text/qt_text.h"

namespace ruvo::app {
namespace {

// Column widths in pixels in SlipListModel's order; the last takes the rest.
constexpr int kColumnWidths[] = {130, 120, 75, 260, 110, 110, 150};

QDate ToQDate(std::chrono::year_month_day day) {
  return QDate(static_cast<int>(day.year()), static_cast<int>(static_cast<unsigned>(day.month())),
               static_cast<int>(static_cast<unsigned>(day.day())));
}

std::chrono::year_month_day ToDay(QDate date) {
  return std::chrono::year_month_day(std::chrono::year(date.year()),
                                     std::chrono::month(static_cast<unsigned>(date.month())),
                                     std::chrono::day(static_cast<unsigned>(date.day())));
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

QDateEdit* MakeDateEdit(QWidget* parent, const char* name, QDate date) {
  auto* edit = new QDateEdit(date, parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setCalendarPopup(true);
  edit->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
  return edit;
}

}  // namespace

HistoryDialog::HistoryDialog(HistoryDialogSetup setup, QWidget* parent)
    : QDialog(parent), setup_(std::move(setup)), guard_(setup_.boxes, this) {
  setObjectName(QStringLiteral("Form_History"));
  setWindowTitle(QStringLiteral("履歴 - 印刷した送り状"));
  setFont(WindowFont(14));
  resize(1100, 600);
  model_ = new SlipListModel(
      [this](const journal::SlipQuery& query) {
        journal::SlipPage page;
        guard_.Run([&] { page = journal::FindSlips(setup_.journal, query); });
        return page;
      },
      this);
  MakeControls();
  ConnectControls();
  Search();
}

void HistoryDialog::MakeControls() {
  Edit_Search = new QLineEdit(this);
  Edit_Search->setObjectName(QStringLiteral("Edit_Search"));
  Edit_Search->setPlaceholderText(QStringLiteral("名前・電話番号・郵便番号・住所・品名で検索"));
  Edit_Search->setClearButtonEnabled(true);
  CheckBox_Period = new QCheckBox(QStringLiteral("期間"), this);
  CheckBox_Period->setObjectName(QStringLiteral("CheckBox_Period"));
  const QDate today = ToQDate(setup_.today);
  DateEdit_From = MakeDateEdit(this, "DateEdit_From", today.addMonths(-1));
  DateEdit_To = MakeDateEdit(this, "DateEdit_To", today);
  Table_Slips = new QTableView(this);
  Table_Slips->setObjectName(QStringLiteral("Table_Slips"));
  Table_Slips->setModel(model_);
  Table_Slips->setSelectionBehavior(QAbstractItemView::SelectRows);
  Table_Slips->setSelectionMode(QAbstractItemView::ExtendedSelection);
  Table_Slips->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Table_Slips->verticalHeader()->hide();
  Table_Slips->horizontalHeader()->setStretchLastSection(true);
  for (int column = 0; column < static_cast<int>(std::size(kColumnWidths)); ++column)
    Table_Slips->setColumnWidth(column, kColumnWidths[column]);
  Label_Count = new QLabel(this);
  Label_Count->setObjectName(QStringLiteral("Label_Count"));
  RadioButton_Today = new QRadioButton(QStringLiteral("今日の日付で"), this);
  RadioButton_Today->setObjectName(QStringLiteral("RadioButton_Today"));
  RadioButton_Today->setChecked(true);
  RadioButton_Original = new QRadioButton(QStringLiteral("元の日付で"), this);
  RadioButton_Original->setObjectName(QStringLiteral("RadioButton_Original"));
  BitBtn_Reprint = MakeButton(this, "BitBtn_Reprint", QStringLiteral("選んだ送り状を再印刷"));
  BitBtn_Load = MakeButton(this, "BitBtn_Load", QStringLiteral("画面に呼び出す"));
  BitBtn_Close = MakeButton(this, "BitBtn_Close", QStringLiteral("閉じる"));
  BitBtn_Settings =
      MakeButton(this, "BitBtn_Settings", QStringLiteral("伝票番号・重複確認の設定…"));

  auto* search = new QHBoxLayout;
  search->addWidget(Edit_Search, 1);
  search->addWidget(CheckBox_Period);
  search->addWidget(DateEdit_From);
  search->addWidget(new QLabel(QStringLiteral("～"), this));
  search->addWidget(DateEdit_To);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Label_Count);
  buttons->addWidget(BitBtn_Settings);
  buttons->addStretch();
  for (QWidget* widget :
       {static_cast<QWidget*>(RadioButton_Today), static_cast<QWidget*>(RadioButton_Original),
        static_cast<QWidget*>(BitBtn_Reprint), static_cast<QWidget*>(BitBtn_Load),
        static_cast<QWidget*>(BitBtn_Close)})
    buttons->addWidget(widget);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(search);
  layout->addWidget(Table_Slips, 1);
  layout->addLayout(buttons);
}

void HistoryDialog::ConnectControls() {
  const auto search = [this] { Search(); };
  ConnectGuarded(guard_, Edit_Search, &QLineEdit::textChanged, this, search);
  ConnectGuarded(guard_, CheckBox_Period, &QCheckBox::toggled, this, search);
  ConnectGuarded(guard_, DateEdit_From, &QDateEdit::dateChanged, this, search);
  ConnectGuarded(guard_, DateEdit_To, &QDateEdit::dateChanged, this, search);
  ConnectGuarded(guard_, Table_Slips->selectionModel(), &QItemSelectionModel::selectionChanged,
                 this, [this] { UpdateButtons(); });
  ConnectGuarded(guard_, model_, &QAbstractItemModel::rowsInserted, this,
                 [this] { UpdateButtons(); });
  ConnectGuarded(guard_, Table_Slips, &QTableView::doubleClicked, this, [this] { LoadChosen(); });
  ConnectGuarded(guard_, BitBtn_Reprint, &QPushButton::clicked, this, [this] { ReprintChosen(); });
  ConnectGuarded(guard_, BitBtn_Load, &QPushButton::clicked, this, [this] { LoadChosen(); });
  ConnectGuarded(guard_, BitBtn_Settings, &QPushButton::clicked, this, [this] { OpenSettings(); });
  ConnectGuarded(guard_, BitBtn_Close, &QPushButton::clicked, this, [this] { reject(); });
}

// Every change of the words or the days lists the newest matching slips
// anew, the first page of them.
void HistoryDialog::Search() {
  journal::SlipQuery query;
  const Cp932Text words = QStringToCp932(Edit_Search->text());
  query.text = words.bytes;
  DateEdit_From->setEnabled(CheckBox_Period->isChecked());
  DateEdit_To->setEnabled(CheckBox_Period->isChecked());
  if (CheckBox_Period->isChecked()) {
    query.from = ToDay(DateEdit_From->date());
    query.to = ToDay(DateEdit_To->date());
  }
  query.limit = 100;
  model_->Search(std::move(query));
  UpdateButtons();
}

std::vector<int> HistoryDialog::ChosenRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : Table_Slips->selectionModel()->selectedRows())
    rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

void HistoryDialog::UpdateButtons() {
  const std::size_t chosen = ChosenRows().size();
  BitBtn_Reprint->setEnabled(chosen > 0);
  BitBtn_Load->setEnabled(chosen == 1);
  Label_Count->setText(model_->canFetchMore({})
                           ? QStringLiteral("%1 件以上").arg(model_->rowCount())
                           : QStringLiteral("%1 件").arg(model_->rowCount()));
}

// The chosen slips in the list's order, printed by the window; the list
// then shows the reprints too.
void HistoryDialog::ReprintChosen() {
  std::vector<journal::PrintedSlip> originals;
  for (const int row : ChosenRows())
    originals.push_back(model_->Slip(row));
  if (originals.empty()) return;
  setup_.reprint(originals, RadioButton_Original->isChecked() ? journal::ReprintDate::kOriginal
                                                              : journal::ReprintDate::kToday);
  Search();
}

void HistoryDialog::LoadChosen() {
  const std::vector<int> rows = ChosenRows();
  if (rows.size() != 1) return;
  slipToLoad_ = journal::SlipToReprint(model_->Slip(rows.front()), journal::ReprintDate::kToday,
                                       setup_.today);
  accept();
}

void HistoryDialog::OpenSettings() {
  JournalSettingsDialog dialog({setup_.journal, setup_.boxes, setup_.paperMode}, this);
  dialog.exec();
}

}  // namespace ruvo::app
