#include "app/recipient_completer.h"

#include <QAbstractItemView>
#include <QStandardItemModel>

#include "qt_text/qt_text.h"

namespace ruvo::app {
namespace {

constexpr int kIdRole = Qt::UserRole + 1;
// What the field takes; an item's edit role is its display role.
constexpr int kCompletionRole = Qt::UserRole + 2;

// The list's line: "山田太郎　広島県広島市中区白島北町"; the field takes the
// name or number alone.
QStandardItem* EntryItem(const journal::Recipient& entry, journal::CompletedField field) {
  const QString completion =
      Cp932ToQString(field == journal::CompletedField::kName ? entry.name : entry.tel);
  auto* item = new QStandardItem;
  item->setData(completion, kCompletionRole);
  item->setData(completion + QStringLiteral("　") + Cp932ToQString(entry.address1) +
                    (field == journal::CompletedField::kTel
                         ? QStringLiteral("　") + Cp932ToQString(entry.name)
                         : QString()),
                Qt::DisplayRole);
  item->setData(static_cast<qint64>(entry.id), kIdRole);
  return item;
}

}  // namespace

RecipientCompleter::RecipientCompleter(journal::CompletedField field, Lookup lookup,
                                       QObject* parent)
    : QCompleter(parent),
      field_(field),
      lookup_(std::move(lookup)),
      entries_(new QStandardItemModel(this)) {
  setModel(entries_);
  setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  setCompletionRole(kCompletionRole);
  setCaseSensitivity(Qt::CaseInsensitive);
  connect(
      this, qOverload<const QModelIndex&>(&QCompleter::activated), this,
      [this](const QModelIndex& index) { emit recipientChosen(index.data(kIdRole).toLongLong()); });
}

void RecipientCompleter::Typed(const QString& text) {
  std::vector<journal::Recipient> found;
  if (!text.trimmed().isEmpty()) {
    try {
      found = lookup_(QStringToCp932(text).bytes);
    } catch (const std::exception&) {
      found.clear();
    }
  }
  entries_->clear();
  for (const journal::Recipient& entry : found)
    entries_->appendRow(EntryItem(entry, field_));
  if (found.empty()) {
    popup()->hide();
    return;
  }
  complete();
}

}  // namespace ruvo::app
