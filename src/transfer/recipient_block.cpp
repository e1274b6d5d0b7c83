#include "transfer/recipient_block.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "transfer/address_split.h"
#include "transfer/char_kinds.h"
#include "transfer/classify.h"
#include "transfer/loose_lines.h"
#include "transfer/mail_line.h"
#include "transfer/mail_values.h"
#include "transfer/mail_words.h"
#include "transfer/sjis.h"
#include "transfer/text_ops.h"

namespace ruvo {

namespace {

// A section of an order mail holds a dozen lines at most; one that goes on
// is no section but the body of a mail after a heading-like line.
constexpr std::size_t kMostSectionLines = 30;

// A line that the rules would take for an address: an address mark and
// this many characters.
constexpr std::size_t kAddressLineMinimum = 7;

struct AddressPart {
  std::string text;
  std::size_t line = 0;  // where it stands in the section
};

struct BlockValues {
  std::string postalCode;
  std::string telephone;
  std::string company;
  std::vector<AddressPart> address;  // in order
  // The lines that are the name, its reading or a building by where they
  // stand (see LooseLine).
  std::vector<LooseLine> loose;
  bool sameAsOrderer = false;
  // The last line was part of the address, so that a line with a building
  // or a block number continues it.
  bool addressOpen = false;

  bool AddressHasBlockNumber() const {
    return std::any_of(address.begin(), address.end(),
                       [](const AddressPart& part) { return HasBlockNumber(part.text); });
  }
  bool HasName() const {
    return std::any_of(loose.begin(), loose.end(),
                       [](const LooseLine& line) { return !line.addressLike; });
  }
  bool Any() const {
    return HasName() || !postalCode.empty() || !telephone.empty() || !address.empty();
  }
};

bool StartsWithPrefecture(std::string_view text) {
  for (const std::string_view prefecture : PrefectureNames()) {
    if (text.starts_with(prefecture)) return true;
  }
  return false;
}

// A mail address, "@" in either width. Searched by character: many kanji
// and "ァ" end in the byte of "@".
bool IsMailLine(std::string_view text, std::string_view key) {
  return MailMarkCount(text) > 0 || HasCode(key, '@');
}

// Reads the lines of one section (or of the whole paste) into its values.
class BlockReader {
 public:
  // `bounded`: the reader ends at the section's end; else it reads all.
  explicit BlockReader(bool bounded) : bounded_(bounded) {}

  // Takes one line; false when the line ends the section (and is not taken).
  bool Take(std::string_view line) {
    ++lineNumber_;
    const bool afterAddress = std::exchange(runOpen_, false);
    const std::string_view text = TrimBlanks(line);
    if (HasNoContent(text)) return TakeEmpty(text.empty());
    const std::optional<MailLabel> label = ParseLabel(text);
    if (ParseHeading(text) || (!label && IsDecoratedLine(text))) {
      values_.addressOpen = false;
      return !bounded_;
    }
    if (bounded_ && (blankSeen_ && !BringsMissing(label, text))) return false;
    if (bounded_ && ++taken_ > kMostSectionLines) return false;
    blankSeen_ = false;
    if (label) {
      TakeLabel(*label);
    } else {
      TakeUnlabelled(text, afterAddress);
    }
    if (bounded_ && values_.addressOpen && values_.AddressHasBlockNumber()) runOpen_ = true;
    return true;
  }

  // The value on the heading line ("佐藤 恵 様" of "[送付先] 佐藤 恵 様").
  void TakeHeadingValue(std::string_view value) { TakeUnlabelled(value, false); }

  const BlockValues& Values() const { return values_; }

  MemoLines Lines() const {
    const LooseReading loose = ReadLooseLines(values_.loose);
    std::string name = loose.name ? NameOf(values_.loose[*loose.name].text) : std::string();
    if (name.empty()) name = values_.company;
    MemoLines lines;
    for (const std::string& line : {name, values_.postalCode, Address(loose), values_.telephone}) {
      if (!line.empty()) lines.push_back(line);
    }
    return lines;
  }

 private:
  // The address's parts and the loose lines that go on with it, joined in
  // the order they stand.
  std::string Address(const LooseReading& loose) const {
    std::vector<AddressPart> parts = values_.address;
    for (const std::size_t i : loose.address)
      parts.push_back({values_.loose[i].text, values_.loose[i].line});
    std::stable_sort(parts.begin(), parts.end(),
                     [](const AddressPart& a, const AddressPart& b) { return a.line < b.line; });
    std::vector<std::string> texts;
    for (AddressPart& part : parts)
      texts.push_back(std::move(part.text));
    return TidyAddress(JoinAddressLines(texts));
  }

  bool TakeEmpty(bool blank) {
    values_.addressOpen = false;
    if (!bounded_ || !values_.Any()) return true;
    blankSeen_ = blankSeen_ || blank;
    return blank;  // a rule after values ends the section
  }

  // After a blank line a section goes on only for a value it still lacks.
  bool BringsMissing(const std::optional<MailLabel>& label, std::string_view text) const {
    if (label) {
      if (!label->kind) return false;
      switch (*label->kind) {
        case LabelKind::kName:
          return !values_.HasName();
        case LabelKind::kPostalCode:
          return values_.postalCode.empty();
        case LabelKind::kAddress:
          return values_.address.empty();
        case LabelKind::kTelephone:
          return values_.telephone.empty();
        default:
          return false;
      }
    }
    return (values_.postalCode.empty() && PostalCodeAtStart(text)) ||
           (values_.telephone.empty() && TelephoneNumberOf(text));
  }

  void TakeLabel(const MailLabel& label) {
    if (label.kind != LabelKind::kAddress) values_.addressOpen = false;
    if (!label.kind) return;
    if (SaysSameAsOrderer(MailKey(label.value))) {
      values_.sameAsOrderer = true;
      return;
    }
    switch (*label.kind) {
      case LabelKind::kName:
        if (!label.value.empty()) AddLoose(label.value, false, true);
        break;
      case LabelKind::kPostalCode:
        TakePostalCode(label.value);
        break;
      case LabelKind::kAddress:
        TakeLabelledAddress(label.value);
        break;
      case LabelKind::kTelephone:
        TakeTelephone(label.value);
        break;
      case LabelKind::kCompany:
        if (values_.company.empty()) values_.company = label.value;
        break;
      case LabelKind::kRecipient:
        TakeUnlabelled(label.value, false);
        break;
      case LabelKind::kKana:
      case LabelKind::kFax:
      case LabelKind::kMail:
      case LabelKind::kCountry:
        break;
    }
  }

  // `afterAddress`: the line follows the address's block number with only
  // loose lines between.
  void TakeUnlabelled(std::string_view text, bool afterAddress) {
    const bool continues = values_.addressOpen;
    values_.addressOpen = false;
    const std::string key = MailKey(text);
    if (text.empty() || IsMailLine(text, key) || IsCountryKey(key)) return;
    if (SaysSameAsOrderer(key)) {
      values_.sameAsOrderer = true;
    } else if (TelephoneNumberOf(text)) {
      // Asked first: "090-2468-1357" is a mobile's number, not a postal code.
      TakeTelephone(text);
    } else if (PostalCodeAtStart(text)) {
      TakePostalCode(text);
    } else if (HasCompanyWord(key)) {
      if (values_.company.empty()) values_.company = TrimBlanks(text);
    } else if (HasHonorific(text)) {
      AddLoose(text, afterAddress, true);
    } else if (ContinuesAddress(text, continues) ||
               (StartsAddress(text) && values_.address.empty())) {
      values_.address.push_back({std::string(TrimBlanks(text)), lineNumber_});
      values_.addressOpen = true;
    } else if (!StartsWithPrefecture(text)) {
      // The name, its reading or a building; a second address is dropped,
      // as the rules drop a second name.
      AddLoose(text, afterAddress, false, StartsAddress(text));
    }
  }

  void AddLoose(std::string_view text, bool afterAddress, bool named, bool addressLike = false) {
    values_.loose.push_back(
        {std::string(TrimBlanks(text)), lineNumber_, named, addressLike, afterAddress});
    runOpen_ = afterAddress;  // the run after the address goes on
  }

  // A line with a block number or a building after an address line
  // ("竹崎町4-1-1" after "山口県下関市", "ハイツ岡崎101", "一番一号" wrapped
  // by the mail).
  static bool ContinuesAddress(std::string_view text, bool continues) {
    return continues && !StartsWithPrefecture(text) &&
           (HasBlockNumber(text) || HasBuildingWord(text));
  }

  // A name that says it is one: "佐藤 恵 様", "市川 一郎 (イチカワ イチロウ) 様".
  static bool HasHonorific(std::string_view text) {
    std::string_view name = TrimBlanks(text);
    if (const auto reading = BracketedAtEnd(name); reading && IsKanaOnly(reading->inside))
      name = TrimBlanks(name.substr(0, reading->open));
    return HonorificLengthAtEnd(name) > 0;
  }

  // A line that starts an address: a prefecture first ("山口県下関市"), or
  // the look the rules take for an address. A second address is dropped, as
  // the rules drop a second name.
  static bool StartsAddress(std::string_view text) {
    return StartsWithPrefecture(text) ||
           (AddressMarkCount(text) > 0 && sjis::CharCount(text) >= kAddressLineMinimum);
  }

  void TakePostalCode(std::string_view text) {
    const auto value = PostalCodeAtStart(text);
    if (!value) return;
    if (values_.postalCode.empty()) values_.postalCode = value->code;
    // The address after the code on its line ("〒105-0011東京都港区…").
    if (!value->rest.empty() && values_.address.empty()) {
      values_.address.push_back({value->rest, lineNumber_});
      values_.addressOpen = true;
    }
  }

  // Labelled parts of an address follow each other ("都道府県：", "市区町村：",
  // "番地："); a label with no value leaves the address to the next line.
  void TakeLabelledAddress(std::string_view value) {
    if (!values_.address.empty() && !values_.addressOpen) return;
    if (PostalCodeAtStart(value)) {
      TakePostalCode(value);
      return;
    }
    if (!value.empty()) values_.address.push_back({std::string(value), lineNumber_});
    values_.addressOpen = true;
  }

  void TakeTelephone(std::string_view text) {
    const auto number = TelephoneNumberOf(text);
    if (number && values_.telephone.empty()) values_.telephone = *number;
  }

  bool bounded_;
  BlockValues values_;
  bool blankSeen_ = false;
  std::size_t taken_ = 0;
  std::size_t lineNumber_ = 0;  // of the line at hand; the heading's is 0
  // The last line ended the address's block number or followed it as a
  // loose line: a loose line now may be a building. Only in a section,
  // whose lines stand in its shop's order.
  bool runOpen_ = false;
};

struct Section {
  SectionKind kind;
  std::string heading;
  BlockValues values;
  MemoLines lines;
};

std::vector<Section> ReadSections(const MemoLines& memo) {
  std::vector<Section> sections;
  for (std::size_t i = 0; i < memo.size(); ++i) {
    const auto heading = ParseHeading(ReadMemoLine(memo, i));
    if (!heading) continue;
    BlockReader reader(true);
    reader.TakeHeadingValue(heading->value);
    std::size_t end = i + 1;
    while (end < memo.size() && reader.Take(ReadMemoLine(memo, end)))
      ++end;
    sections.push_back({heading->kind, heading->text, reader.Values(), reader.Lines()});
    i = end - 1;  // the line that ended the section may head the next
  }
  return sections;
}

const Section* FirstOf(const std::vector<Section>& sections, SectionKind kind) {
  for (const Section& section : sections) {
    const bool counts =
        section.values.Any() || (kind == SectionKind::kRecipient && section.values.sameAsOrderer);
    if (section.kind == kind && counts) return &section;
  }
  return nullptr;
}

}  // namespace

std::optional<RecipientBlock> FindRecipientBlock(const MemoLines& memo) {
  const std::vector<Section> sections = ReadSections(memo);
  const Section* recipient = FirstOf(sections, SectionKind::kRecipient);
  if (recipient != nullptr && !recipient->values.sameAsOrderer)
    return RecipientBlock{BlockSource::kRecipient, recipient->heading, recipient->lines};
  if (const Section* orderer = FirstOf(sections, SectionKind::kOrderer)) {
    const BlockSource source =
        recipient != nullptr ? BlockSource::kOrdererAsRecipient : BlockSource::kOrderer;
    return RecipientBlock{source, orderer->heading, orderer->lines};
  }
  return std::nullopt;
}

RecipientBlock ReadWholeText(const MemoLines& memo) {
  BlockReader reader(false);
  for (std::size_t i = 0; i < memo.size(); ++i)
    reader.Take(ReadMemoLine(memo, i));
  return RecipientBlock{BlockSource::kWholeText, {}, reader.Lines()};
}

}  // namespace ruvo
