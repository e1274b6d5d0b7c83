// The journal's texts are CP932 bytes in hex with the text in UTF-8 in a
// comment above each; this reads the header and checks every one against
// its comment, so that a typo in the hex cannot hide behind it.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "support/test_text.h"

namespace ruvo {
namespace {

// The bytes of the string literals in `code`, joined.
std::string LiteralBytes(const std::string& code) {
  static const std::regex literal(R"re("((?:[^"\\]|\\.)*)")re");
  std::string bytes;
  for (auto it = std::sregex_iterator(code.begin(), code.end(), literal);
       it != std::sregex_iterator(); ++it) {
    const std::string body = (*it)[1];
    for (std::size_t i = 0; i < body.size(); ++i) {
      if (body[i] == '\\' && body[i + 1] == 'x') {
        bytes += static_cast<char>(std::stoi(body.substr(i + 2, 2), nullptr, 16));
        i += 3;
      } else if (body[i] == '\\') {
        bytes += body[++i];
      } else {
        bytes += body[i];
      }
    }
  }
  return bytes;
}

TEST(JournalTextsTest, EveryTextIsTheCp932OfItsComment) {
  std::ifstream header(RUVO_SOURCE_DIR "/src/journal/journal_texts.h");
  std::stringstream all;
  all << header.rdbuf();
  const std::string code = all.str();
  static const std::regex text(
      R"re(// "(.*)"\ninline constexpr std::string_view (k\w+) =([^;]*);)re");
  int checked = 0;
  for (auto it = std::sregex_iterator(code.begin(), code.end(), text); it != std::sregex_iterator();
       ++it, ++checked) {
    SCOPED_TRACE((*it)[2].str());
    EXPECT_EQ(LiteralBytes((*it)[3]), test::Sj((*it)[1].str()));
  }
  EXPECT_GE(checked, 30);
}

}  // namespace
}  // namespace ruvo
