#include "app/book_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/cp932_line_edit.h"
#include "app/window_kit.h"
#include "journal/book_csv.h"
#include "qt_text/qt_text.h"
#include "settings/file_errors.h"
#include "settings/file_store.h"

namespace ruvo::app {
namespace {

// The most entries listed at once: the search narrows a larger book.
constexpr std::size_t kListed = 500;

struct FieldSpec {
  SlipField field;  // the window's field, whose limits the entry keeps
  const char* name;
  const char16_t* caption;
  std::string journal::Recipient::*text;
};

// The entry's fields, in the order of fields_ and of the list's columns.
constexpr FieldSpec kFields[] = {
    {SlipField::kRecipientName, "Edit_BookName", u"氏名", &journal::Recipient::name},
    {SlipField::kRecipientZip, "Edit_BookZip", u"郵便番号", &journal::Recipient::zip},
    {SlipField::kRecipientAddress1, "Edit_BookAdd1", u"住所1", &journal::Recipient::address1},
    {SlipField::kRecipientAddress2, "Edit_BookAdd2", u"住所2", &journal::Recipient::address2},
    {SlipField::kRecipientAddress3, "Edit_BookAdd3", u"住所3", &journal::Recipient::address3},
    {SlipField::kRecipientTel, "Edit_BookTel", u"電話番号", &journal::Recipient::tel},
};

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

// "2026-03-15 (12 回)"; "" for an entry never printed to.
QString UseText(const journal::Recipient& recipient) {
  if (recipient.lastUsed.empty()) return {};
  return QStringLiteral("%1 (%2 回)")
      .arg(QString::fromStdString(recipient.lastUsed.substr(0, 10)))
      .arg(recipient.uses);
}

}  // namespace

BookDialog::BookDialog(BookDialogSetup setup, QWidget* parent)
    : QDialog(parent), setup_(std::move(setup)), guard_(setup_.boxes, this) {
  setObjectName(QStringLiteral("Form_Book"));
  setWindowTitle(QStringLiteral("住所録"));
  setFont(WindowFont(14));
  resize(1000, 620);
  MakeControls();
  ConnectControls();
  Search();
}

void BookDialog::MakeControls() {
  Edit_Search = new QLineEdit(this);
  Edit_Search->setObjectName(QStringLiteral("Edit_Search"));
  Edit_Search->setPlaceholderText(QStringLiteral("名前・電話番号・郵便番号・住所で検索"));
  Edit_Search->setClearButtonEnabled(true);
  Table_Book = new QTableWidget(0, static_cast<int>(std::size(kFields)) + 1, this);
  Table_Book->setObjectName(QStringLiteral("Table_Book"));
  QStringList captions;
  for (const FieldSpec& field : kFields)
    captions << QString::fromUtf16(field.caption);
  Table_Book->setHorizontalHeaderLabels(captions << QStringLiteral("最後の印刷"));
  Table_Book->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Table_Book->setSelectionBehavior(QAbstractItemView::SelectRows);
  Table_Book->setSelectionMode(QAbstractItemView::SingleSelection);
  Table_Book->verticalHeader()->hide();
  Table_Book->horizontalHeader()->setStretchLastSection(true);
  Label_Count = new QLabel(this);
  Label_Count->setObjectName(QStringLiteral("Label_Count"));
  auto* form = new QFormLayout;
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    fields_[i] = new TCp932Edit(kFields[i].field, this);
    fields_[i]->setObjectName(QString::fromLatin1(kFields[i].name));
    form->addRow(QString::fromUtf16(kFields[i].caption), fields_[i]);
  }
  BitBtn_Add = MakeButton(this, "BitBtn_Add", QStringLiteral("追加"));
  BitBtn_Change = MakeButton(this, "BitBtn_Change", QStringLiteral("変更"));
  BitBtn_Delete = MakeButton(this, "BitBtn_Delete", QStringLiteral("削除"));
  BitBtn_Import = MakeButton(this, "BitBtn_Import", QStringLiteral("CSV取り込み"));
  BitBtn_Export = MakeButton(this, "BitBtn_Export", QStringLiteral("CSV書き出し"));
  BitBtn_Choose = MakeButton(this, "BitBtn_Choose", QStringLiteral("お届け先に入力"));
  BitBtn_Close = MakeButton(this, "BitBtn_Close", QStringLiteral("閉じる"));
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button :
       {BitBtn_Add, BitBtn_Change, BitBtn_Delete, BitBtn_Import, BitBtn_Export})
    buttons->addWidget(button);
  buttons->addStretch();
  buttons->addWidget(BitBtn_Choose);
  buttons->addWidget(BitBtn_Close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Edit_Search);
  layout->addWidget(Table_Book, 1);
  layout->addWidget(Label_Count);
  layout->addLayout(form);
  layout->addLayout(buttons);
}

void BookDialog::ConnectControls() {
  const auto on = [this](QPushButton* button, void (BookDialog::*handler)()) {
    ConnectGuarded(guard_, button, &QPushButton::clicked, this,
                   [this, handler] { (this->*handler)(); });
  };
  on(BitBtn_Add, &BookDialog::AddEntry);
  on(BitBtn_Change, &BookDialog::ChangeEntry);
  on(BitBtn_Delete, &BookDialog::DeleteEntry);
  on(BitBtn_Import, &BookDialog::ImportCsv);
  on(BitBtn_Export, &BookDialog::ExportCsv);
  on(BitBtn_Choose, &BookDialog::ChooseSelected);
  on(BitBtn_Close, &BookDialog::reject);
  ConnectGuarded(guard_, Edit_Search, &QLineEdit::textChanged, this, [this] { Search(); });
  ConnectGuarded(guard_, Table_Book, &QTableWidget::itemSelectionChanged, this,
                 [this] { ShowSelected(); });
  ConnectGuarded(guard_, Table_Book, &QTableWidget::cellDoubleClicked, this,
                 [this] { ChooseSelected(); });
}

void BookDialog::Search() {
  journal::RecipientQuery query;
  query.text = QStringToCp932(Edit_Search->text()).bytes;
  query.limit = kListed + 1;
  shown_ = journal::FindRecipients(setup_.journal, query);
  const bool more = shown_.size() > kListed;
  if (more) shown_.resize(kListed);
  Table_Book->clearContents();
  Table_Book->setRowCount(static_cast<int>(shown_.size()));
  for (std::size_t row = 0; row < shown_.size(); ++row) {
    const journal::Recipient& recipient = shown_[row];
    for (std::size_t column = 0; column < std::size(kFields); ++column) {
      Table_Book->setItem(static_cast<int>(row), static_cast<int>(column),
                          new QTableWidgetItem(Cp932ToQString(recipient.*kFields[column].text)));
    }
    Table_Book->setItem(static_cast<int>(row), static_cast<int>(std::size(kFields)),
                        new QTableWidgetItem(UseText(recipient)));
  }
  Label_Count->setText(more ? QStringLiteral("先頭の %1 件 (検索で絞り込めます)").arg(kListed)
                            : QStringLiteral("%1 件").arg(shown_.size()));
  UpdateButtons();
}

std::optional<journal::Recipient> BookDialog::Selected() const {
  const int row = Table_Book->currentRow();
  if (row < 0 || Table_Book->selectedItems().isEmpty()) return std::nullopt;
  return shown_.at(static_cast<std::size_t>(row));
}

void BookDialog::ShowSelected() {
  if (const std::optional<journal::Recipient> selected = Selected()) {
    for (std::size_t i = 0; i < fields_.size(); ++i)
      fields_[i]->SetCp932Text((*selected).*kFields[i].text);
  }
  UpdateButtons();
}

journal::Recipient BookDialog::Entry() const {
  journal::Recipient entry;
  std::size_t replaced = 0;
  for (std::size_t i = 0; i < fields_.size(); ++i)
    entry.*kFields[i].text = fields_[i]->Cp932(replaced);
  return entry;
}

void BookDialog::AddEntry() {
  journal::AddRecipient(setup_.journal, Entry());
  Search();
}

void BookDialog::ChangeEntry() {
  const std::optional<journal::Recipient> selected = Selected();
  if (!selected) return;
  journal::Recipient entry = Entry();
  entry.id = selected->id;
  journal::EditRecipient(setup_.journal, entry);
  Search();
}

void BookDialog::DeleteEntry() {
  const std::optional<journal::Recipient> selected = Selected();
  if (!selected) return;
  if (!setup_.boxes.Ask(
          this,
          QStringLiteral("「%1」を住所録から削除しますか?").arg(Cp932ToQString(selected->name))))
    return;
  journal::DeleteRecipient(setup_.journal, selected->id);
  Search();
}

// The rows with a problem are left out and named; the others are added, or
// update the entry of the same recipient.
void BookDialog::ImportCsv() {
  if (!setup_.chooseImportFile) return;
  const std::optional<std::filesystem::path> file = setup_.chooseImportFile(this);
  if (!file) return;
  const journal::RecipientsFile read = journal::ReadRecipientsCsv(
      settings::ReadWholeFile(*file), std::nullopt, settings::PathText(file->filename()));
  std::size_t added = 0;
  if (!read.recipients.empty()) {
    for (const journal::BookChange& change :
         journal::AddRecipients(setup_.journal, read.recipients))
      added += change.added ? 1 : 0;
  }
  QString notice = QStringLiteral("%1 件を取り込みました (新しい宛先 %2 件)")
                       .arg(read.recipients.size())
                       .arg(added);
  for (const batch::BatchProblem& problem : read.problems) {
    notice +=
        QStringLiteral("\n%1 行目 %2")
            .arg(problem.row)
            .arg(Cp932ToQString(problem.column.empty() ? problem.reason
                                                       : problem.column + ": " + problem.reason));
  }
  setup_.boxes.Notify(this, notice);
  Search();
}

void BookDialog::ExportCsv() {
  if (!setup_.chooseExportFile) return;
  const std::optional<BookDialogSetup::ExportTarget> target = setup_.chooseExportFile(this);
  if (!target) return;
  journal::RecipientQuery everyone;
  everyone.limit = 0;
  const std::vector<journal::Recipient> book = journal::FindRecipients(setup_.journal, everyone);
  setup_.files.Replace(target->file, journal::RecipientsCsv(book, target->encoding));
  setup_.boxes.Notify(this, QStringLiteral("%1 件を書き出しました").arg(book.size()));
}

void BookDialog::ChooseSelected() {
  chosen_ = Selected();
  if (chosen_) accept();
}

void BookDialog::UpdateButtons() {
  const bool selected = Selected().has_value();
  BitBtn_Change->setEnabled(selected);
  BitBtn_Delete->setEnabled(selected);
  BitBtn_Choose->setEnabled(selected);
}

}  // namespace ruvo::app
