#include "journal/recipient_book.h"

#include "journal/journal_texts.h"
#include "journal/search_keys.h"
#include "journal/sql_filter.h"
#include "transfer/cp932_codec.h"

namespace ruvo::journal {
namespace {

constexpr std::string_view kColumns =
    "id, name, zip, address1, address2, address3, tel, last_used, uses, kept";

// The columns a recipient's texts and search forms are bound to, as ?1 to
// ?11 in this order.
constexpr std::string_view kTextColumns =
    "recipient_key, name, zip, address1, address2, address3, tel, name_key, address_key, "
    "tel_digits, zip_digits";
constexpr std::string_view kTextValues = "?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11";

// A print changes an entry's texts only when the user never did.
constexpr std::string_view kNoteUse =
    " ON CONFLICT (recipient_key) DO UPDATE SET last_used = excluded.last_used, "
    "uses = uses + 1, name = iif(kept, name, excluded.name), zip = iif(kept, zip, excluded.zip), "
    "address1 = iif(kept, address1, excluded.address1), "
    "address2 = iif(kept, address2, excluded.address2), "
    "address3 = iif(kept, address3, excluded.address3), tel = iif(kept, tel, excluded.tel), "
    "tel_digits = iif(kept, tel_digits, excluded.tel_digits)";

// What the user changes: the texts and their search forms, ?1 to ?11.
constexpr std::string_view kSetTexts =
    "recipient_key = ?1, name = ?2, zip = ?3, address1 = ?4, address2 = ?5, address3 = ?6, "
    "tel = ?7, name_key = ?8, address_key = ?9, tel_digits = ?10, zip_digits = ?11, kept = 1";

std::string KeyOf(const std::string& nameKey, const std::string& zipDigits,
                  const std::string& addressKey) {
  return nameKey + '\x1F' + zipDigits + '\x1F' + addressKey;
}

// Binds a recipient's texts (CP932, stored as UTF-8) and search forms as ?1
// to ?11; returns its key.
std::string BindTexts(Statement& statement, const Recipient& recipient) {
  const std::string name = SearchKey(recipient.name);
  const std::string address =
      SearchKey(recipient.address1 + recipient.address2 + recipient.address3);
  const std::string tel = DigitsOf(recipient.tel);
  const std::string zip = DigitsOf(recipient.zip);
  const std::string key = KeyOf(name, zip, address);
  int index = 1;
  statement.BindText(index++, key);
  for (const std::string* text : {&recipient.name, &recipient.zip, &recipient.address1,
                                  &recipient.address2, &recipient.address3, &recipient.tel})
    statement.BindText(index++, Cp932ToUtf8(*text));
  for (const std::string* text : {&name, &address, &tel, &zip})
    statement.BindText(index++, *text);
  return key;
}

Recipient ReadRecipient(const Statement& row) {
  const auto text = [&](int column) { return Utf8ToCp932(row.Text(column)).bytes; };
  return {row.Int(0),     text(1),     text(2),
          text(3),        text(4),     text(5),
          text(6),        row.Text(7), static_cast<int>(row.Int(8)),
          row.Int(9) != 0};
}

std::vector<Recipient> ReadAll(Statement& select) {
  std::vector<Recipient> recipients;
  while (select.Step())
    recipients.push_back(ReadRecipient(select));
  return recipients;
}

std::optional<std::int64_t> IdOfKey(Database& db, const std::string& key) {
  Statement select = db.Prepare("SELECT id FROM recipients WHERE recipient_key = ?1");
  select.BindText(1, key);
  return select.Step() ? std::optional(select.Int(0)) : std::nullopt;
}

void RequireName(const Recipient& recipient) {
  if (SearchKey(recipient.name).empty()) throw BookError(std::string(text::kNoName));
}

BookChange Add(Database& db, const Recipient& recipient) {
  Statement insert =
      db.Prepare("INSERT INTO recipients (" + std::string(kTextColumns) + ", kept) VALUES (" +
                 std::string(kTextValues) + ", 1) ON CONFLICT (recipient_key) DO NOTHING");
  const std::string key = BindTexts(insert, recipient);
  insert.Run();
  if (db.Changes() == 1) return {db.LastInsertId(), true};
  const std::int64_t id = IdOfKey(db, key).value_or(0);
  Statement update =
      db.Prepare("UPDATE recipients SET " + std::string(kSetTexts) + " WHERE id = ?12");
  BindTexts(update, recipient);
  update.BindInt(12, id).Run();
  return {id, false};
}

}  // namespace

void NoteRecipientUse(Database& db, const SlipRecord& slip, const LocalTime& when) {
  Recipient recipient;
  recipient.name = slip.recipientName;
  recipient.zip = slip.recipientZip;
  recipient.address1 = slip.recipientAddress1;
  recipient.address2 = slip.recipientAddress2;
  recipient.address3 = slip.recipientAddress3;
  recipient.tel = slip.recipientTel;
  if (SearchKey(recipient.name).empty()) return;
  Statement upsert = db.Prepare("INSERT INTO recipients (" + std::string(kTextColumns) +
                                ", last_used, uses) VALUES (" + std::string(kTextValues) +
                                ", ?12, 1)" + std::string(kNoteUse));
  BindTexts(upsert, recipient);
  upsert.BindText(12, WallText(when)).Run();
}

std::vector<Recipient> FindRecipients(Journal& journal, const RecipientQuery& query) {
  return journal.Guarded([&] {
    Database* db = journal.ForReading();
    if (db == nullptr) return std::vector<Recipient>();
    SqlFilter filter;
    for (const SearchWord& word : SearchWords(query.text)) {
      const std::string key = filter.Parameter(LikeAnywhere(word.key));
      std::string condition =
          "name_key LIKE " + key + " ESCAPE '\\' OR address_key LIKE " + key + " ESCAPE '\\'";
      if (!word.digits.empty()) {
        const std::string digits = filter.Parameter(LikeAnywhere(word.digits));
        condition += " OR tel_digits LIKE " + digits + " ESCAPE '\\' OR zip_digits LIKE " + digits +
                     " ESCAPE '\\'";
      }
      filter.Require(condition);
    }
    Statement select = db->Prepare("SELECT " + std::string(kColumns) + " FROM recipients" +
                                   filter.Where() + " ORDER BY last_used DESC, id DESC LIMIT " +
                                   (query.limit > 0 ? std::to_string(query.limit) : "-1") +
                                   " OFFSET " + std::to_string(query.offset));
    filter.Bind(select);
    return ReadAll(select);
  });
}

std::vector<Recipient> CompleteRecipients(Journal& journal, CompletedField field,
                                          std::string_view typed, std::size_t limit) {
  const std::string start = field == CompletedField::kName ? SearchKey(typed) : DigitsOf(typed);
  if (start.empty()) return {};
  return journal.Guarded([&] {
    Database* db = journal.ForReading();
    if (db == nullptr) return std::vector<Recipient>();
    const std::string column = field == CompletedField::kName ? "name_key" : "tel_digits";
    Statement select =
        db->Prepare("SELECT " + std::string(kColumns) + " FROM recipients WHERE " + column +
                    " LIKE ?1 ESCAPE '\\' ORDER BY uses DESC, "
                    "last_used DESC, id DESC LIMIT " +
                    std::to_string(limit));
    select.BindText(1, LikeStart(start));
    return ReadAll(select);
  });
}

std::optional<Recipient> FindRecipient(Journal& journal, std::int64_t id) {
  return journal.Guarded([&]() -> std::optional<Recipient> {
    Database* db = journal.ForReading();
    if (db == nullptr) return std::nullopt;
    Statement select =
        db->Prepare("SELECT " + std::string(kColumns) + " FROM recipients WHERE id = ?1");
    select.BindInt(1, id);
    return select.Step() ? std::optional(ReadRecipient(select)) : std::nullopt;
  });
}

BookChange AddRecipient(Journal& journal, const Recipient& recipient) {
  return AddRecipients(journal, {recipient}).front();
}

std::vector<BookChange> AddRecipients(Journal& journal, const std::vector<Recipient>& recipients) {
  for (const Recipient& recipient : recipients)
    RequireName(recipient);
  return journal.Guarded([&] {
    Database& db = journal.ForWriting();
    WriteTransaction transaction(db);
    std::vector<BookChange> changes;
    for (const Recipient& recipient : recipients)
      changes.push_back(Add(db, recipient));
    transaction.Commit();
    return changes;
  });
}

void EditRecipient(Journal& journal, const Recipient& recipient) {
  RequireName(recipient);
  journal.Guarded([&] {
    Database* db = journal.ForReading();
    if (db == nullptr) throw BookError(std::string(text::kNoSuchRecipient));
    WriteTransaction transaction(*db);
    Statement exists = db->Prepare("SELECT 1 FROM recipients WHERE id = ?1");
    if (!exists.BindInt(1, recipient.id).Step())
      throw BookError(std::string(text::kNoSuchRecipient));
    Statement update =
        db->Prepare("UPDATE recipients SET " + std::string(kSetTexts) + " WHERE id = ?12");
    const std::string key = BindTexts(update, recipient);
    const std::optional<std::int64_t> holder = IdOfKey(*db, key);
    if (holder && *holder != recipient.id) throw BookError(std::string(text::kSameRecipient));
    update.BindInt(12, recipient.id).Run();
    transaction.Commit();
  });
}

void DeleteRecipient(Journal& journal, std::int64_t id) {
  journal.Guarded([&] {
    Database* db = journal.ForReading();
    if (db != nullptr) db->Prepare("DELETE FROM recipients WHERE id = ?1").BindInt(1, id).Run();
    if (db == nullptr || db->Changes() == 0) throw BookError(std::string(text::kNoSuchRecipient));
  });
}

}  // namespace ruvo::journal
