#include "journal/recipient_book.h"

#include "journal/journal_fixture.h"

namespace ruvo::journal {
namespace {

using test::Sj;
using test::SlipTo;
using test::TokyoTime;

// UTF-8 names of the entries, in the order given.
std::vector<std::string> Names(const std::vector<Recipient>& recipients) {
  std::vector<std::string> names;
  for (const Recipient& recipient : recipients)
    names.push_back(test::Utf8(recipient.name));
  return names;
}

Recipient Typed(std::string_view name, std::string_view tel, std::string_view zip = "105-0011") {
  Recipient recipient;
  recipient.name = Sj(name);
  recipient.zip = std::string(zip);
  recipient.address1 = Sj("東京都港区芝公園4-2-8");
  recipient.address2 = Sj("芝公園ビル３階");
  recipient.tel = std::string(tel);
  return recipient;
}

class BookTest : public test::JournalTest {
 protected:
  void PrintedAt(int hour, SlipRecord slip) {
    now_ = TokyoTime(2026, 3, 15, hour, 0);
    Record(std::move(slip));
  }
};

// One entry per recipient however its name was spaced or its code written;
// the last print's telephone number, the count of prints, newest first.
TEST_F(BookTest, PrintsFillTheBookOneEntryPerRecipient) {
  PrintedAt(9, SlipTo("山田 太郎"));
  PrintedAt(10, SlipTo("佐藤花子"));
  SlipRecord again = SlipTo("山田太郎", "文具", "１０５－００１１");
  again.recipientTel = "090-1111-2222";
  PrintedAt(11, again);
  const std::vector<Recipient> book = FindRecipients(journal(), {});
  ASSERT_EQ(Names(book), (std::vector<std::string>{"山田太郎", "佐藤花子"}));
  EXPECT_EQ(book[0].uses, 2);
  EXPECT_EQ(book[0].lastUsed, "2026-03-15 11:00:00");
  EXPECT_EQ(book[0].tel, "090-1111-2222");
  EXPECT_FALSE(book[0].kept);
}

// What the user entered stays when a slip is printed to that recipient
// with other texts; only the last use and the count move on.
TEST_F(BookTest, UsersEntryKeepsItsTextsThroughPrints) {
  const BookChange added = AddRecipient(journal(), Typed("山田太郎", "03-0000-0000"));
  EXPECT_TRUE(added.added);
  PrintedAt(9, SlipTo("山田太郎"));  // printed with 03-1234-5678
  const std::optional<Recipient> entry = FindRecipient(journal(), added.id);
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->tel, "03-0000-0000");
  EXPECT_EQ(entry->uses, 1);
  EXPECT_TRUE(entry->kept);
  // Adding the same recipient again updates the one entry.
  const BookChange same = AddRecipient(journal(), Typed("山田　太郎", "03-9999-9999"));
  EXPECT_EQ(same.id, added.id);
  EXPECT_FALSE(same.added);
  EXPECT_EQ(FindRecipient(journal(), added.id)->tel, "03-9999-9999");
}

TEST_F(BookTest, ChangesTheBookRefuses) {
  const std::int64_t yamada = AddRecipient(journal(), Typed("山田太郎", "03-1")).id;
  const std::int64_t sato = AddRecipient(journal(), Typed("佐藤花子", "03-2")).id;
  const auto refusal = [&](const std::function<void()>& change) {
    return test::Utf8(test::MessageOf<BookError>(change));
  };
  EXPECT_EQ(refusal([&] { AddRecipient(journal(), Typed("　", "03-3")); }), "氏名が空です");
  Recipient renamed = Typed("佐藤 花子", "03-1");
  renamed.id = yamada;  // would become the entry that 佐藤花子 is
  EXPECT_EQ(refusal([&] { EditRecipient(journal(), renamed); }),
            "同じお届け先がすでに住所録にあります");
  renamed.id = 999;
  EXPECT_EQ(refusal([&] { EditRecipient(journal(), renamed); }),
            "住所録にそのお届け先はありません");
  EXPECT_EQ(refusal([&] { DeleteRecipient(journal(), 999); }), "住所録にそのお届け先はありません");

  Recipient moved = Typed("山田太郎", "03-1", "100-0001");
  moved.id = yamada;
  EditRecipient(journal(), moved);
  DeleteRecipient(journal(), sato);
  const std::vector<Recipient> book = FindRecipients(journal(), {});
  ASSERT_EQ(book.size(), 1u);
  EXPECT_EQ(book[0].zip, "100-0001");
  // A deleted recipient comes back with the next slip printed to it.
  PrintedAt(9, SlipTo("佐藤花子"));
  EXPECT_EQ(FindRecipients(journal(), {}).size(), 2u);
}

// Search as one types: words in the name or address, a number in the
// telephone number or postal code; completion by the start of a name or
// number, the most used first.
TEST_F(BookTest, FindsAndCompletesAsTheUserTypes) {
  PrintedAt(9, SlipTo("山田太郎"));
  PrintedAt(10, SlipTo("山田花子", "書籍", "530-0001"));
  PrintedAt(11, SlipTo("山田花子", "書籍", "530-0001"));
  SlipRecord osaka = SlipTo("田中一郎", "書籍", "530-0001");
  osaka.recipientAddress1 = Sj("大阪府大阪市北区梅田1-1");
  osaka.recipientTel = "06-5555-1234";
  PrintedAt(12, osaka);
  const struct {
    const char* typed;
    std::vector<std::string> found;
  } finds[] = {
      {"山田", {"山田花子", "山田太郎"}},
      {"花子 530", {"山田花子"}},
      {"ｳﾒﾀﾞ", {}},  // readings are not kept
      {"梅田", {"田中一郎"}},
      {"0655551234", {"田中一郎"}},
      {"5300001", {"田中一郎", "山田花子"}},
  };
  for (const auto& f : finds) {
    SCOPED_TRACE(f.typed);
    RecipientQuery query;
    query.text = Sj(f.typed);
    EXPECT_EQ(Names(FindRecipients(journal(), query)), f.found);
  }
  EXPECT_EQ(Names(CompleteRecipients(journal(), CompletedField::kName, Sj("山田"))),
            (std::vector<std::string>{"山田花子", "山田太郎"}));
  EXPECT_EQ(Names(CompleteRecipients(journal(), CompletedField::kName, Sj("田"))),
            std::vector<std::string>{"田中一郎"});
  EXPECT_EQ(Names(CompleteRecipients(journal(), CompletedField::kTel, "06-55")),
            std::vector<std::string>{"田中一郎"});
}

}  // namespace
}  // namespace ruvo::journal
