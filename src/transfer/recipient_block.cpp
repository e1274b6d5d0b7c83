#include "transfer/recipient_block.h"

#include <vector>

#include "transfer/address_split.h"
#include "transfer/classify.h"
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

struct BlockValues {
  std::string name;
  std::string postalCode;
  std::string telephone;
  std::string company;
  std::vector<std::string> address;  // its parts, in order
  bool sameAsOrderer = false;
  // The last line was part of the address, so that a line with a building
  // or a block number continues it.
  bool addressOpen = false;

  bool Any() const {
    return !name.empty() || !postalCode.empty() || !telephone.empty() || !address.empty();
  }
};

bool StartsWithPrefecture(std::string_view text) {
  for (const std::string_view prefecture : PrefectureNames()) {
    if (text.starts_with(prefecture)) return true;
  }
  return false;
}

bool IsMailLine(std::string_view text, std::string_view key) {
  return MailMarkCount(text) > 0 || key.find('@') != std::string_view::npos;
}

// Reads the lines of one section (or of the whole paste) into its values.
class BlockReader {
 public:
  // `bounded`: the reader ends at the section's end; else it reads all.
  explicit BlockReader(bool bounded) : bounded_(bounded) {}

  // Takes one line; false when the line ends the section (and is not taken).
  bool Take(std::string_view line) {
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
      TakeUnlabelled(text);
    }
    return true;
  }

  // The value on the heading line ("佐藤 恵 様" of "[送付先] 佐藤 恵 様").
  void TakeHeadingValue(std::string_view value) { TakeUnlabelled(value); }

  const BlockValues& Values() const { return values_; }

  MemoLines Lines() const {
    MemoLines lines;
    const std::string& name = values_.name.empty() ? values_.company : values_.name;
    const std::string address = JoinAddressLines(values_.address);
    for (const std::string& line :
         {name, values_.postalCode, TidyAddress(address), values_.telephone}) {
      if (!line.empty()) lines.push_back(line);
    }
    return lines;
  }

 private:
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
          return values_.name.empty();
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
        if (values_.name.empty()) values_.name = NameOf(label.value);
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
        TakeUnlabelled(label.value);
        break;
      case LabelKind::kKana:
      case LabelKind::kFax:
      case LabelKind::kMail:
      case LabelKind::kCountry:
        break;
    }
  }

  void TakeUnlabelled(std::string_view text) {
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
      if (values_.name.empty()) values_.name = NameOf(text);
    } else if (ContinuesAddress(text, continues) ||
               (StartsAddress(text) && values_.address.empty())) {
      values_.address.emplace_back(TrimBlanks(text));
      values_.addressOpen = true;
    } else if (!StartsAddress(text) && values_.name.empty()) {
      // A reading on the line after the name is passed over with any
      // further name.
      values_.name = NameOf(text);
    }
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
      values_.address.push_back(value->rest);
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
    if (!value.empty()) values_.address.emplace_back(value);
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
