#pragma once
// The recipient book: every recipient slips were printed to (a name, postal
// code and address, compared in their search forms), when one was last
// printed to and how often, and the recipients the user added or changed.
// A print updates its recipient's entry in the same transaction as the
// slip; an entry the user added or changed keeps the user's texts. Texts are
// CP932.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "journal/journal.h"
#include "print/slip_record.h"
#include "transfer/user_message_error.h"

namespace ruvo::journal {

struct Recipient {
  std::int64_t id = 0;
  std::string name;
  std::string zip;
  std::string address1;
  std::string address2;
  std::string address3;
  std::string tel;
  std::string lastUsed;  // the wall clock of the last slip to it ("2026-03-15 14:05:07"); "": none
  int uses = 0;          // slips printed to it
  bool kept = false;     // added or changed by the user
  bool operator==(const Recipient&) const = default;
};

// The book refuses a change; what() is the reason in Japanese (CP932), the
// sentence the window shows as it is.
class BookError : public UserMessageError {
 public:
  using UserMessageError::UserMessageError;
};

// Inside a write transaction of `db`: the slip's recipient printed to at
// `when`, added to the book or its entry updated. A slip without a name
// names no recipient.
void NoteRecipientUse(Database& db, const SlipRecord& slip, const LocalTime& when);

struct RecipientQuery {
  std::string text;        // CP932 words, each found in the name, address, phone or postal code
  std::size_t limit = 50;  // 0: no limit
  std::size_t offset = 0;
};
// The entries the words find (all for none), the most recently printed to
// first, then the ones never printed to (NULL sorts last going down),
// newest first. JournalError.
std::vector<Recipient> FindRecipients(Journal& journal, const RecipientQuery& query);

enum class CompletedField { kName, kTel };
// The entries whose name (or telephone number's digits) begins with what
// was typed, the most often printed to first: a field's completer.
std::vector<Recipient> CompleteRecipients(Journal& journal, CompletedField field,
                                          std::string_view typed, std::size_t limit = 10);

std::optional<Recipient> FindRecipient(Journal& journal, std::int64_t id);

struct BookChange {
  std::int64_t id = 0;
  bool added = false;  // false: the book had the recipient, its entry was updated
};
// Adds the recipient the user gave, or updates the entry of the same
// recipient with the user's texts; either is kept as the user's from then
// on. BookError without a name; JournalError.
BookChange AddRecipient(Journal& journal, const Recipient& recipient);
// Adds or updates every recipient in one transaction.
std::vector<BookChange> AddRecipients(Journal& journal, const std::vector<Recipient>& recipients);
// Changes the entry `recipient.id` to the user's texts. BookError when there
// is no such entry, without a name, or when another entry is that recipient.
void EditRecipient(Journal& journal, const Recipient& recipient);
// Removes the entry; a later slip to the recipient adds it again. BookError
// when there is no such entry.
void DeleteRecipient(Journal& journal, std::int64_t id);

}  // namespace ruvo::journal
