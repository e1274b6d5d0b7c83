#pragma once
// A prepared working directory (settings, registrations, sender 0) and a way
// to run the built ruvo-slip on it, for the slip commands' tests.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "support/test_text.h"

namespace ruvo::test {

namespace fs = std::filesystem;

struct RunResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

inline std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Writes UTF-8 `lines` as a CP932 file with CRLF line ends.
inline void WriteCp932(const fs::path& path, std::initializer_list<std::string_view> lines) {
  std::ofstream out(path, std::ios::binary);
  for (const auto line : lines)
    out << Sj(line) << "\r\n";
}

struct PdfWord {
  double xMin = 0;  // points
  double yMin = 0;
  std::string text;
};

// The words of a PDF with their places (pdftotext -bbox); of page `page`
// alone when it is not 0.
inline std::vector<PdfWord> WordsOf(const fs::path& pdf, int page = 0) {
  const std::string pages =
      page > 0 ? " -f " + std::to_string(page) + " -l " + std::to_string(page) : "";
  std::string html;
  if (FILE* pipe = ::popen(
          ("pdftotext" + pages + " -bbox '" + pdf.string() + "' - 2>/dev/null").c_str(), "r")) {
    char buffer[4096];
    while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe))
      html.append(buffer, got);
    ::pclose(pipe);
  }
  static const std::regex word(
      R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>([^<]*)</word>)re");
  std::vector<PdfWord> words;
  for (auto it = std::sregex_iterator(html.begin(), html.end(), word); it != std::sregex_iterator();
       ++it) {
    words.push_back({std::stod((*it)[1]), std::stod((*it)[2]), (*it)[3]});
  }
  return words;
}

// Whether `text` stands within one dot of (x, y) at `dpi`.
inline bool HasWordAt(const std::vector<PdfWord>& words, const std::string& text, int x, int y,
                      int dpi) {
  return std::any_of(words.begin(), words.end(), [&](const PdfWord& word) {
    return word.text == text && std::abs(word.xMin * dpi / 72 - x) <= 1.0 &&
           std::abs(word.yMin * dpi / 72 - y) <= 1.0;
  });
}

class SlipCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A fresh folder per run: test runs of other checkouts may run at the
    // same time, and a fixed name would let them read each other's output.
    std::string pattern = (fs::temp_directory_path() / "ruvo_slip_cli_XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    dir_ = pattern;
    WriteCp932(
        dir_ / "ruvo_Rezovod.ini",
        {"[rv_RezovodPrn]", "E_ZIP=730-0001", "E_AD1=広島県広島市中区白島北町", "E_CUS=山田太郎",
         "E_TEL=082-123-4567", "E_G1=書籍", "KOSUU=7", "de_date1=1", "de_date2=10",
         "OP023MyZip=999-9999", "OP023My=設定の依頼主", "ComboBox_SEL=0", "Tab_My=0"});
    WriteCp932(dir_ / "ruvo_q710.ini", {"[手差し]", "PrnName=Slip", "PrnNoIndex=0", "slpPrn_Top=0",
                                        "slpPrn_Left=0", "[連続(４インチ)]", "PrnName=Slip",
                                        "PrnNoIndex=0", "slpPrn_Top=12", "slpPrn_Left=-8"});
    WriteCp932(dir_ / "my0.txt",
               {"150-0002", "東京都渋谷区渋谷", "", "株式会社ルヴォ", "03-1234-5678"});
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Runs `ruvo-slip COMMAND --dir <the prepared directory> OPTIONS`, after
  // `launcher` (e.g. "env -u DISPLAY") when one is given.
  RunResult RunSlip(const std::string& command, const std::string& options,
                    const std::string& launcher = "") {
    const fs::path out = dir_ / "stdout.txt";
    const fs::path err = dir_ / "stderr.txt";
    // A postal-code dictionary is compiled into the test's own cache folder.
    const std::string line = "XDG_CACHE_HOME='" + (dir_ / "cache").string() + "' " + launcher +
                             " " + std::string(RUVO_SLIP_EXE) + " " + command + " --dir '" +
                             dir_.string() + "' " + options + " >'" + out.string() + "' 2>'" +
                             err.string() + "'";
    const int status = std::system(line.c_str());
    RunResult result{WEXITSTATUS(status), ReadFile(out), ReadFile(err)};
    fs::remove(out);
    fs::remove(err);
    return result;
  }

  fs::path dir_;
};

}  // namespace ruvo::test
