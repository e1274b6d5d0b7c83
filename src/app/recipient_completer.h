#pragma once
// Completes the window's name or telephone field from the recipient book:
// as the user types, the list shows the entries whose name (or number)
// begins with the text, the most often printed to first, each with its
// address; choosing one names the entry, which fills the whole recipient.

#include <QCompleter>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "journal/recipient_book.h"

class QStandardItemModel;

namespace ruvo::app {

class RecipientCompleter : public QCompleter {
  Q_OBJECT

 public:
  // The book's entries for what was typed (CP932); may throw, which leaves
  // the list empty: a journal that cannot be read stops no typing.
  using Lookup = std::function<std::vector<journal::Recipient>(const std::string& typed)>;

  RecipientCompleter(journal::CompletedField field, Lookup lookup, QObject* parent);

  // The user typed `text` into the field.
  void Typed(const QString& text);

 signals:
  void recipientChosen(qint64 id);

 private:
  journal::CompletedField field_;
  Lookup lookup_;
  QStandardItemModel* entries_;
};

}  // namespace ruvo::app
