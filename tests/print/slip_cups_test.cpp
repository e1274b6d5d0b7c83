// Prints slips through the real Qt/CUPS print service on the test server and
// reads back the PDF that CUPS wrote: every text of the slip must be there,
// within one dot of where the layout puts it.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <regex>
#include <thread>

#include "print/cups_test_server.h"
#include "print/gui_app.h"
#include "print/lm_d97_dot.h"
#include "print/print_job.h"
#include "print/qt_print_service.h"
#include "print/slip_units.h"
#include "test_text.h"

namespace ruvo {
namespace {

namespace fs = std::filesystem;
using test::Sj;

struct PdfWord {
  double xMin = 0;   // points from the page's left edge
  double yMin = 0;   // points from the page's top edge
  std::string text;  // UTF-8
};

std::string RunCommand(const std::string& command) {
  std::string output;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[4096];
  while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe))
    output.append(buffer, got);
  ::pclose(pipe);
  return output;
}

std::string Unescape(std::string text) {
  const std::pair<const char*, const char*> entities[] = {
      {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}};
  for (const auto& [entity, plain] : entities) {
    for (std::size_t at; (at = text.find(entity)) != std::string::npos;)
      text.replace(at, std::strlen(entity), plain);
  }
  return text;
}

std::vector<PdfWord> WordsOf(const fs::path& pdf) {
  const std::string html = RunCommand("pdftotext -bbox '" + pdf.string() + "' - 2>/dev/null");
  static const std::regex word(
      R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>([^<]*)</word>)re");
  std::vector<PdfWord> words;
  for (auto it = std::sregex_iterator(html.begin(), html.end(), word); it != std::sregex_iterator();
       ++it) {
    words.push_back({std::stod((*it)[1]), std::stod((*it)[2]), Unescape((*it)[3])});
  }
  return words;
}

// pdftotext gives the wave dash U+301C for the full-width tilde U+FF5E that
// CP932 0x8160 decodes to.
std::string AsPdfTextShowsIt(std::string utf8) {
  for (std::size_t at; (at = utf8.find("～")) != std::string::npos;)
    utf8.replace(at, 3, "〜");
  return utf8;
}

// Waits until CUPS has written a readable PDF to `path`.
std::vector<PdfWord> AwaitPdfWords(const fs::path& path) {
  for (int attempt = 0; attempt < 300; ++attempt) {
    if (fs::exists(path) && fs::file_size(path) > 0) {
      auto words = WordsOf(path);
      if (!words.empty()) return words;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return {};
}

SlipRecord FullSlip() {
  SlipRecord slip;
  slip.recipientZip = "730-0001";
  slip.recipientAddress1 = Sj("広島県広島市中区白島北町１～３");
  slip.recipientAddress2 = Sj("ルヴォビル２階");
  slip.recipientAddress3 = Sj("総務部");
  slip.recipientName = Sj("山田太郎");
  slip.recipientTel = "082-123-4567";
  slip.goods = {Sj("書籍"), Sj("文具"), Sj("割れ物注意")};
  slip.quantity = "12";
  slip.slipDate = std::chrono::year(2011) / 1 / 5;
  slip.wishedMonth = "1";
  slip.wishedDay = "10";
  slip.timeSlots[3] = true;
  slip.senderZip = "1500002";  // seven bare digits
  slip.senderAddress1 = Sj("東京都渋谷区渋谷");
  slip.senderAddress2 = Sj("２－２１－１");
  slip.senderName = Sj("株式会社ルヴォ");
  slip.senderTel = "03-1234-5678";
  return slip;
}

class SlipCupsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    test::UseTestCupsServer();
    test::EnsureGuiApplication();
  }

  void Select(TLmPrinter& printer, const std::string& queue) {
    const auto& names = printer.GetPrinterNames();
    const auto found = std::find(names.begin(), names.end(), queue);
    ASSERT_NE(found, names.end()) << queue << " is not on the test server";
    printer.SetIndex(static_cast<int>(found - names.begin()));
  }

  // Prints the slip on `queue` and checks every text in the PDF CUPS wrote.
  void PrintAndCheck(const std::string& queue, int expectedDpi) {
    QtPrintService service;
    TLmPrinter printer(service);
    ASSERT_NO_FATAL_FAILURE(Select(printer, queue));
    const SlipPrintValues values = EffectivePrintValues(printer, "6", "-4");
    ASSERT_EQ(values.dpiX, std::to_string(expectedDpi));
    const DrawList list = SLIP97_Prn(FullSlip(), values);

    const fs::path pdf = test::TestCupsOutputDir() / (queue + ".pdf");
    fs::remove(pdf);
    const auto start = std::chrono::steady_clock::now();
    PrintDrawList(printer, list);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    std::cout << "[ timing   ] " << queue << ": print job from begin to spooler acceptance "
              << took.count() << " ms\n";

    const std::vector<PdfWord> words = AwaitPdfWords(pdf);
    ASSERT_FALSE(words.empty()) << "no readable PDF at " << pdf;
    ExpectEveryTextInPlace(list, words, expectedDpi);
  }

  // The queues' printable area starts at the paper corner (ImageableArea
  // "0 0 …"), so a text's dots are its PDF points × dpi ÷ 72. The top of a
  // word can be a fraction of a dot off from rounding the font's ascent.
  static bool WordAt(const std::vector<PdfWord>& words, const DrawOp& at, const std::string& prefix,
                     int dpi) {
    return std::any_of(words.begin(), words.end(), [&](const PdfWord& word) {
      return word.text.starts_with(prefix) && std::abs(word.xMin * dpi / 72 - at.x) <= 1.0 &&
             std::abs(word.yMin * dpi / 72 - at.y) <= 1.0;
    });
  }

  // Op `i` is in place when a word starts with its text at its position, or
  // when pdftotext joined it to the boxes before it on the same line (the
  // quantity's "1" and "2" come back as one word "12" at the first box).
  static bool InPlace(const DrawList& list, std::size_t i, const std::vector<PdfWord>& words,
                      int dpi) {
    std::string joined;
    for (std::size_t j = i + 1; j-- > 0;) {
      if (list[j].y != list[i].y) break;
      joined = AsPdfTextShowsIt(test::Utf8(list[j].text)) + joined;
      if (WordAt(words, list[j], joined, dpi)) return true;
      if (j == 0 || list[j - 1].x >= list[j].x) break;
    }
    return false;
  }

  static void ExpectEveryTextInPlace(const DrawList& list, const std::vector<PdfWord>& words,
                                     int dpi) {
    for (std::size_t i = 0; i < list.size(); ++i) {
      const std::string text = AsPdfTextShowsIt(test::Utf8(list[i].text));
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
};

TEST_F(SlipCupsTest, EveryTextLandsInPlaceAt360Dpi) {
  PrintAndCheck("ruvo_pass360", 360);
}

TEST_F(SlipCupsTest, EveryTextLandsInPlaceAt600Dpi) {
  PrintAndCheck("ruvo_pass600", 600);
}

TEST_F(SlipCupsTest, RejectingQueueGivesAClearErrorAndNoPdf) {
  QtPrintService service;
  TLmPrinter printer(service);
  ASSERT_NO_FATAL_FAILURE(Select(printer, "ruvo_reject"));
  try {
    PrintSlip(printer, FullSlip(), "", "");
    ADD_FAILURE() << "no error";
  } catch (const EPrinter& e) {
    EXPECT_NE(std::string(e.what()).find("ruvo_reject"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(printer.Printing());
  std::this_thread::sleep_for(std::chrono::seconds(1));
  EXPECT_FALSE(fs::exists(test::TestCupsOutputDir() / "ruvo_reject.pdf"));
}

TEST_F(SlipCupsTest, BadMarginAbandonsTheJobAndWritesNoPdf) {
  QtPrintService service;
  TLmPrinter printer(service);
  ASSERT_NO_FATAL_FAILURE(Select(printer, "ruvo_pass360"));
  const fs::path pdf = test::TestCupsOutputDir() / "ruvo_pass360.pdf";
  fs::remove(pdf);
  try {
    PrintSlip(printer, FullSlip(), "1.5", "");
    ADD_FAILURE() << "no error";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'1.5' is not a valid integer value");
  }
  EXPECT_FALSE(printer.Printing());
  std::this_thread::sleep_for(std::chrono::seconds(1));
  EXPECT_FALSE(fs::exists(pdf));
}

}  // namespace
}  // namespace ruvo
