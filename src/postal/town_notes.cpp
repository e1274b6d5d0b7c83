#include "postal/town_notes.h"

#include <vector>

#include "transfer/sjis.h"

namespace ruvo::postal {
namespace {

constexpr std::string_view kNoTownListed =
    "\x88\xC8\x89\xBA\x82\xC9\x8C\x66\x8D\xDA\x82\xAA\x82\xC8\x82\xA2\x8F\xEA\x8D\x87";  // 以下に掲載がない場合
constexpr std::string_view kFollowedBy = "\x82\xCC\x8E\x9F\x82\xC9";             // の次に
constexpr std::string_view kComes = "\x82\xAA\x82\xAD\x82\xE9\x8F\xEA\x8D\x87";  // がくる場合
constexpr std::string_view kOpen = "\x81\x69";                                   // （
constexpr std::string_view kClose = "\x81\x6A";                                  // ）

}  // namespace

bool IsNoTownListedNote(std::string_view town) {
  return town == kNoTownListed;
}

std::size_t FindWord(std::string_view text, std::string_view word, std::size_t from) {
  for (std::size_t pos = from; pos < text.size(); pos += sjis::CharLengthAt(text, pos)) {
    if (text.substr(pos).starts_with(word)) return pos;
  }
  return std::string_view::npos;
}

std::string WithoutBlockNumberNote(std::string_view text) {
  const std::size_t note = FindWord(text, kFollowedBy);
  const std::size_t comes = note == std::string_view::npos ? note : FindWord(text, kComes, note);
  if (comes == std::string_view::npos) return std::string(text);
  const std::string_view before = text.substr(0, note);
  // The note names the place it follows again: "琴平町琴平町の次に": keep one.
  std::size_t kept = before.size();
  for (std::size_t pos = 0; pos < before.size(); pos += sjis::CharLengthAt(before, pos)) {
    const std::string_view name = before.substr(pos);
    if (pos >= name.size() && before.substr(0, pos).ends_with(name)) {
      kept = pos;
      break;
    }
  }
  return std::string(before.substr(0, kept)) + std::string(text.substr(comes + kComes.size()));
}

std::string WithoutBracketed(std::string_view text) {
  std::string out;
  int depth = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::string_view character = text.substr(pos, sjis::CharLengthAt(text, pos));
    pos += character.size();
    if (character == kOpen) {
      ++depth;
    } else if (character == kClose && depth > 0) {
      --depth;
    } else if (depth == 0) {
      out += character;
    }
  }
  return out;
}

std::string WithoutStrayBrackets(std::string_view text) {
  // Which brackets pair up, read from the start: a closing one pairs with
  // the last open one before it.
  std::string out;
  std::vector<std::size_t> open;  // positions in `out` of brackets not closed yet
  for (std::size_t pos = 0; pos < text.size();) {
    const std::string_view character = text.substr(pos, sjis::CharLengthAt(text, pos));
    pos += character.size();
    if (character == kClose && open.empty()) continue;  // closes nothing
    if (character == kClose) open.pop_back();
    if (character == kOpen) open.push_back(out.size());
    out += character;
  }
  for (auto unclosed = open.rbegin(); unclosed != open.rend(); ++unclosed)
    out.erase(*unclosed, kOpen.size());
  return out;
}

}  // namespace ruvo::postal
