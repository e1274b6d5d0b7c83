// Arbitrary bytes as a sender file (my0.txt ... my9.txt, written by hand or
// by another program): the five fields read must each be one line, and
// registering them must give a file that reads back as the same fields.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/sender_file.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

bool IsOneLine(const std::string& text) {
  return text.find_first_of("\r\n") == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const ruvo::settings::SenderFields fields = ruvo::settings::SenderFieldsFromText(text);
  Require(IsOneLine(fields.zip) && IsOneLine(fields.address1) && IsOneLine(fields.address2) &&
          IsOneLine(fields.name) && IsOneLine(fields.tel));
  Require(fields.zip.size() + fields.address1.size() + fields.address2.size() + fields.name.size() +
              fields.tel.size() <=
          size);
  const std::string file = ruvo::settings::SenderFileText(fields);
  Require(ruvo::settings::SenderFieldsFromText(file) == fields);
  std::size_t lines = 0;
  for (std::size_t pos = file.find("\r\n"); pos != std::string::npos;
       pos = file.find("\r\n", pos + 2))
    ++lines;
  Require(lines == 5);
  return 0;
}
