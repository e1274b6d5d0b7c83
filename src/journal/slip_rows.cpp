#include "journal/slip_rows.h"

#include <charconv>

#include "journal/search_keys.h"
#include "transfer/cp932_codec.h"

namespace ruvo::journal {
namespace {

// A text of the slip and its column. The goods lines are no members of
// their own, so a row names either a member or a goods line.
struct SlipText {
  std::string_view column;
  std::string SlipRecord::*member;
  int goodsLine;
};

constexpr SlipText kSlipTexts[] = {
    {"zip", &SlipRecord::recipientZip, 0},
    {"address1", &SlipRecord::recipientAddress1, 0},
    {"address2", &SlipRecord::recipientAddress2, 0},
    {"address3", &SlipRecord::recipientAddress3, 0},
    {"name", &SlipRecord::recipientName, 0},
    {"tel", &SlipRecord::recipientTel, 0},
    {"goods1", nullptr, 0},
    {"goods2", nullptr, 1},
    {"goods3", nullptr, 2},
    {"quantity", &SlipRecord::quantity, 0},
    {"wished_month", &SlipRecord::wishedMonth, 0},
    {"wished_day", &SlipRecord::wishedDay, 0},
    {"sender_zip", &SlipRecord::senderZip, 0},
    {"sender_address1", &SlipRecord::senderAddress1, 0},
    {"sender_address2", &SlipRecord::senderAddress2, 0},
    {"sender_name", &SlipRecord::senderName, 0},
    {"sender_tel", &SlipRecord::senderTel, 0},
};

// SlipRecord or const SlipRecord.
template <typename Slip>
auto& TextOf(Slip& slip, const SlipText& text) {
  return text.member != nullptr ? slip.*text.member
                                : slip.goods[static_cast<std::size_t>(text.goodsLine)];
}

// The columns before the slip's texts, in binding order.
constexpr std::string_view kLeadingColumns =
    "printed_at, utc_offset, printed_local, origin, batch_file, batch_row, order_number, "
    "reprint_of, paper_mode, printer, printer_name, paper, paper_source, dpi_x, dpi_y, "
    "margin_top, margin_left, job_id, slip_number, slip_date, print_date, time_slots, "
    "print_sender, name_key, address_key, goods_key, tel_digits, zip_digits";

int TimeSlotBits(const SlipRecord& slip) {
  int bits = 0;
  for (std::size_t slot = 0; slot < slip.timeSlots.size(); ++slot)
    bits |= slip.timeSlots[slot] ? 1 << slot : 0;
  return bits;
}

// "2026-03-15" → 2026-03-15; a text of another form gives no date.
std::chrono::year_month_day DateOf(const std::string& text) {
  int year = 0;
  unsigned month = 0;
  unsigned day = 0;
  if (text.size() == 10) {
    std::from_chars(text.data(), text.data() + 4, year);
    std::from_chars(text.data() + 5, text.data() + 7, month);
    std::from_chars(text.data() + 8, text.data() + 10, day);
  }
  return {std::chrono::year(year), std::chrono::month(month), std::chrono::day(day)};
}

std::string Cp932(const std::string& utf8) {
  return Utf8ToCp932(utf8).bytes;
}

// Binds ?1, ?2 … in turn.
class RowBinder {
 public:
  explicit RowBinder(Statement& statement) : statement_(statement) {}
  RowBinder& Int(std::int64_t value) {
    statement_.BindInt(next_++, value);
    return *this;
  }
  RowBinder& Text(std::string_view value) {
    statement_.BindText(next_++, value);
    return *this;
  }
  // A CP932 text, stored as UTF-8.
  RowBinder& Cp932Text(std::string_view cp932) { return Text(Cp932ToUtf8(cp932)); }
  RowBinder& Null() {
    statement_.BindNull(next_++);
    return *this;
  }

 private:
  Statement& statement_;
  int next_ = 1;
};

// Reads columns 0, 1 … in turn.
class RowReader {
 public:
  explicit RowReader(const Statement& row) : row_(row) {}
  std::int64_t Int() { return row_.Int(next_++); }
  std::string Text() { return row_.Text(next_++); }
  std::string Cp932Text() { return Cp932(Text()); }
  std::optional<std::int64_t> OptionalInt() {
    const bool null = row_.IsNull(next_);
    const std::int64_t value = Int();
    return null ? std::nullopt : std::optional(value);
  }
  void Skip(int columns) { next_ += columns; }

 private:
  const Statement& row_;
  int next_ = 0;
};

void BindSetup(RowBinder& bind, const PrintSetup& setup) {
  bind.Int(setup.paperMode)
      .Text(setup.printerQueue)
      .Cp932Text(setup.printerName)
      .Cp932Text(setup.paper)
      .Cp932Text(setup.paperSource)
      .Text(setup.values.dpiX)
      .Text(setup.values.dpiY)
      .Text(setup.values.top)
      .Text(setup.values.left)
      .Int(setup.jobId);
}

void BindKeys(RowBinder& bind, const SlipRecord& slip) {
  const SlipKeys keys = KeysOf(slip);
  bind.Text(keys.name).Text(keys.address).Text(keys.goods).Text(keys.tel).Text(keys.zip);
}

PrintSetup ReadSetup(RowReader& read) {
  PrintSetup setup;
  setup.paperMode = static_cast<int>(read.Int());
  setup.printerQueue = read.Text();
  setup.printerName = read.Cp932Text();
  setup.paper = read.Cp932Text();
  setup.paperSource = read.Cp932Text();
  setup.values.dpiX = read.Text();
  setup.values.dpiY = read.Text();
  setup.values.top = read.Text();
  setup.values.left = read.Text();
  setup.jobId = static_cast<int>(read.Int());
  return setup;
}

}  // namespace

const std::string& SlipColumns() {
  static const std::string columns = [] {
    std::string list(kLeadingColumns);
    for (const SlipText& text : kSlipTexts)
      list += ", " + std::string(text.column);
    return list;
  }();
  return columns;
}

void BindSlipRow(Statement& insert, const PrintedSlip& slip) {
  RowBinder bind(insert);
  bind.Int(slip.printedAt.instant.time_since_epoch().count())
      .Int(slip.printedAt.offset.count())
      .Text(WallText(slip.printedAt))
      .Text(OriginName(slip.origin))
      .Cp932Text(slip.batchFile)
      .Int(slip.batchRow)
      .Cp932Text(slip.orderNumber);
  if (slip.reprintOf) {
    bind.Int(*slip.reprintOf);
  } else {
    bind.Null();
  }
  BindSetup(bind, slip.setup);
  bind.Cp932Text(slip.slipNumber)
      .Text(DateText(slip.slip.slipDate))
      .Int(slip.slip.printDate ? 1 : 0)
      .Int(TimeSlotBits(slip.slip))
      .Int(slip.slip.printSender ? 1 : 0);
  BindKeys(bind, slip.slip);
  for (const SlipText& text : kSlipTexts)
    bind.Cp932Text(TextOf(slip.slip, text));
}

PrintedSlip ReadSlipRow(const Statement& row) {
  RowReader read(row);
  PrintedSlip slip;
  slip.id = read.Int();
  slip.printedAt.instant = std::chrono::sys_seconds(std::chrono::seconds(read.Int()));
  slip.printedAt.offset = std::chrono::seconds(read.Int());
  read.Skip(1);  // printed_local: the two before say it
  slip.origin = OriginNamed(read.Text()).value_or(SlipOrigin::kWindow);
  slip.batchFile = read.Cp932Text();
  slip.batchRow = static_cast<int>(read.Int());
  slip.orderNumber = read.Cp932Text();
  slip.reprintOf = read.OptionalInt();
  slip.setup = ReadSetup(read);
  slip.slipNumber = read.Cp932Text();
  slip.slip.slipDate = DateOf(read.Text());
  slip.slip.printDate = read.Int() != 0;
  const std::int64_t slots = read.Int();
  for (std::size_t slot = 0; slot < slip.slip.timeSlots.size(); ++slot)
    slip.slip.timeSlots[slot] = (slots >> slot & 1) != 0;
  slip.slip.printSender = read.Int() != 0;
  read.Skip(5);  // the search forms
  for (const SlipText& text : kSlipTexts)
    TextOf(slip.slip, text) = read.Cp932Text();
  return slip;
}

}  // namespace ruvo::journal
