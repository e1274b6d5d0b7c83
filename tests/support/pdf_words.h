#pragma once
// Reading back the PDF a print wrote: its words with their places
// (pdftotext -bbox), and the check that every text of a draw list stands
// where the list puts it, within one dot.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "print/draw_op.h"
#include "support/cups_test_server.h"
#include "support/test_text.h"

namespace ruvo::test {

namespace fs = std::filesystem;

struct PdfWord {
  double xMin = 0;   // points from the page's left edge
  double yMin = 0;   // points from the page's top edge
  std::string text;  // UTF-8
  double xMax = 0;   // where its last glyph's advance ends
};

inline std::string Unescape(std::string text) {
  const std::pair<const char*, const char*> entities[] = {
      {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}};
  for (const auto& [entity, plain] : entities) {
    for (std::size_t at; (at = text.find(entity)) != std::string::npos;)
      text.replace(at, std::strlen(entity), plain);
  }
  return text;
}

inline std::vector<PdfWord> WordsOf(const fs::path& pdf) {
  const std::string html = RunCommand("pdftotext -bbox '" + pdf.string() + "' - 2>/dev/null");
  static const std::regex word(
      R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)"[^>]*>([^<]*)</word>)re");
  std::vector<PdfWord> words;
  for (auto it = std::sregex_iterator(html.begin(), html.end(), word); it != std::sregex_iterator();
       ++it) {
    words.push_back(
        {std::stod((*it)[1]), std::stod((*it)[2]), Unescape((*it)[4]), std::stod((*it)[3])});
  }
  return words;
}

// pdftotext gives the wave dash U+301C for the full-width tilde U+FF5E that
// CP932 0x8160 decodes to.
inline std::string AsPdfTextShowsIt(std::string utf8) {
  for (std::size_t at; (at = utf8.find("～")) != std::string::npos;)
    utf8.replace(at, 3, "〜");
  return utf8;
}

// Waits until CUPS has written a readable PDF to `path`.
inline std::vector<PdfWord> AwaitPdfWords(const fs::path& path) {
  for (int attempt = 0; attempt < 300; ++attempt) {
    if (fs::exists(path) && fs::file_size(path) > 0) {
      auto words = WordsOf(path);
      if (!words.empty()) return words;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return {};
}

// The queues' printable area starts at the paper corner (ImageableArea
// "0 0 …"), so a text's dots are its PDF points × dpi ÷ 72. The top of a
// word can be a fraction of a dot off from rounding the font's ascent.
inline bool WordAt(const std::vector<PdfWord>& words, const DrawOp& at, const std::string& prefix,
                   int dpi) {
  return std::any_of(words.begin(), words.end(), [&](const PdfWord& word) {
    return word.text.starts_with(prefix) && std::abs(word.xMin * dpi / 72 - at.x) <= 1.0 &&
           std::abs(word.yMin * dpi / 72 - at.y) <= 1.0;
  });
}

// Op `i` is in place when a word starts with its text at its position, or
// when pdftotext joined it to the boxes before it on the same line (the
// quantity's "1" and "2" come back as one word "12" at the first box).
inline bool InPlace(const DrawList& list, std::size_t i, const std::vector<PdfWord>& words,
                    int dpi) {
  std::string joined;
  for (std::size_t j = i + 1; j-- > 0;) {
    if (list[j].y != list[i].y) break;
    joined = AsPdfTextShowsIt(Utf8(list[j].text)) + joined;
    if (WordAt(words, list[j], joined, dpi)) return true;
    if (j == 0 || list[j - 1].x >= list[j].x) break;
  }
  return false;
}

inline void ExpectEveryTextInPlace(const DrawList& list, const std::vector<PdfWord>& words,
                                   int dpi) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    const std::string text = AsPdfTextShowsIt(Utf8(list[i].text));
    if (text.find_first_not_of(' ') == std::string::npos) continue;  // blank boxes show no word
    SCOPED_TRACE(text + " at (" + std::to_string(list[i].x) + ", " + std::to_string(list[i].y) +
                 ")");
    if (!InPlace(list, i, words, dpi)) {
      std::string found;
      for (const auto& word : words) {
        if (word.text.find(text) != std::string::npos) {
          found += " " + word.text + " (" + std::to_string(word.xMin * dpi / 72) + ", " +
                   std::to_string(word.yMin * dpi / 72) + ")";
        }
      }
      ADD_FAILURE() << "not in place; the PDF has it at:" << (found.empty() ? " nowhere" : found);
    }
  }
}

}  // namespace ruvo::test
