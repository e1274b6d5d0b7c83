#include "settings/sender_file.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <stdexcept>
#include <string_view>

#include "settings/file_errors.h"
#include "settings/settings_names.h"

namespace ruvo::settings {
namespace {

constexpr std::size_t kSenderLineCount = 5;

// The sender fields in the order of the file's lines.
constexpr std::array<std::string SenderFields::*, kSenderLineCount> kLineFields = {
    &SenderFields::zip,       // line 1: postal code
    &SenderFields::address1,  // line 2: address line 1
    &SenderFields::address2,  // line 3: address line 2
    &SenderFields::name,      // line 4: name
    &SenderFields::tel,       // line 5: telephone
};

// The first five lines of `text`, ended by CRLF, LF or CR; missing lines
// are empty.
std::array<std::string, kSenderLineCount> FirstLines(std::string_view text) {
  std::array<std::string, kSenderLineCount> lines;
  std::size_t start = 0;
  for (std::string& line : lines) {
    if (start >= text.size()) break;
    const std::size_t stop = std::min(text.find_first_of("\r\n", start), text.size());
    line = text.substr(start, stop - start);
    start = stop + 1;
    if (stop + 1 < text.size() && text[stop] == '\r' && text[stop + 1] == '\n') ++start;
  }
  return lines;
}

void CheckSingleLines(const std::filesystem::path& file, const SenderFields& fields) {
  for (const auto field : kLineFields) {
    if ((fields.*field).find_first_of("\r\n") != std::string::npos) {
      throw FileWriteError(file, "a field holds a line break");
    }
  }
}

}  // namespace

std::string SenderFileName(int slot) {
  if (slot < 0 || slot >= kSenderSlotCount) {
    throw std::out_of_range("sender slot " + std::to_string(slot) + " is not 0 to 9");
  }
  return "my" + std::to_string(slot) + ".txt";
}

std::string SenderTabCaption(int slot) {
  return std::string(kSenderTabWord) + std::to_string(slot + 1);
}

SenderFields SenderFieldsFromText(std::string_view text) {
  const std::array<std::string, kSenderLineCount> lines = FirstLines(text);
  SenderFields fields;
  for (std::size_t i = 0; i < kSenderLineCount; ++i)
    fields.*kLineFields[i] = lines[i];
  return fields;
}

std::string SenderFileText(const SenderFields& fields) {
  std::string content;
  for (const auto field : kLineFields) {
    content += fields.*field;
    content += "\r\n";
  }
  return content;
}

SenderFields LoadSender(const std::filesystem::path& directory, int slot) {
  return SenderFieldsFromText(ReadWholeFile(FileIn(directory, SenderFileName(slot))));
}

void RegisterSender(const std::filesystem::path& directory, int slot, const SenderFields& fields,
                    FileReplacer& replacer) {
  const std::filesystem::path file = FileIn(directory, SenderFileName(slot));
  CheckSingleLines(file, fields);
  ContentToRewrite(file);  // refuses a file that exists but cannot be read
  replacer.Replace(file, SenderFileText(fields));
}

}  // namespace ruvo::settings
