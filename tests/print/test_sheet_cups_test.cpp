// The test sheet and the proof printed through the real Qt/CUPS print
// service on the test server, read back from the PDF that CUPS wrote: every
// outline and crosshair where the layout puts it, within half a dot, and
// where the slip's own texts land whatever the printer cannot print.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "print/known_slip.h"
#include "print/lm_d97_dot.h"
#include "print/pdf_strokes.h"
#include "print/print_job.h"
#include "print/qt_print_service.h"
#include "print/qt_text_measurer.h"
#include "print/slip_layout.h"
#include "print/slip_proof.h"
#include "print/test_sheet.h"
#include "support/cups_test_server.h"
#include "support/gui_app.h"
#include "support/pdf_words.h"

namespace ruvo {
namespace {

namespace fs = std::filesystem;

// Half a dot, and what the PDF's numbers lose (a thousandth of a point).
constexpr double kHalfDot = 0.5 + 0.02;

class TestSheetCupsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    test::UseTestCupsServer();
    test::EnsureGuiApplication();
  }

  // The print values of `queue` with the margins 6 (down) and `left`.
  SlipPrintValues Select(const std::string& queue, int left = -4) {
    const auto& names = printer_.GetPrinterNames();
    const auto found = std::find(names.begin(), names.end(), queue);
    EXPECT_NE(found, names.end()) << queue << " is not on the test server";
    printer_.SetIndex(static_cast<int>(found - names.begin()));
    return EffectivePrintValues(printer_, "6", std::to_string(left));
  }

  // Prints `list` on the selected queue; the PDF CUPS wrote.
  fs::path Print(const std::string& queue, const DrawList& list) {
    const fs::path pdf = test::TestCupsOutputDir() / (queue + ".pdf");
    fs::remove(pdf);
    PrintDrawList(printer_, list);
    EXPECT_TRUE(test::WaitForPdf(pdf, std::chrono::seconds(30))) << "no PDF at " << pdf;
    return pdf;
  }

  QtPrintService service_;
  TLmPrinter printer_{service_};
};

// Layout units at `dpi`, exact, with the margin: what "within half a dot
// of the layout's position" is measured against.
double Exact(int units, int dpi, int margin) {
  return units * dpi / 160.0 + margin;
}

void ExpectEveryBoxAndCrosshairInPlace(const std::vector<test::PdfStroke>& strokes, int dpi,
                                       double originX, double originY, int left = -4) {
  for (const SlipLayoutField& field : SlipLayout()) {
    if (field.gate == SlipGate::kSenderOneLine) continue;
    SCOPED_TRACE(std::string(field.name) + " at " + std::to_string(dpi) + " dpi");
    const double x = originX + Exact(field.x, dpi, left);
    const double y = originY + Exact(field.y, dpi, 6);
    EXPECT_TRUE(test::HasOutline(strokes, x, y, originX + Exact(field.x + field.width, dpi, left),
                                 originY + Exact(field.y + field.height, dpi, 6), kHalfDot));
    EXPECT_TRUE(test::HasLineThrough(strokes, x, y, /*across=*/true, kHalfDot));
    EXPECT_TRUE(test::HasLineThrough(strokes, x, y, /*across=*/false, kHalfDot));
  }
}

TEST_F(TestSheetCupsTest, EveryOutlineAndCrosshairStandsAtTheLayoutsPositionAt300And360Dpi) {
  for (const auto& [queue, dpi] :
       {std::pair("ruvo_pass300", 300), std::pair("ruvo_pass360", 360)}) {
    SCOPED_TRACE(queue);
    const SlipPrintValues values = Select(queue);
    ASSERT_EQ(values.dpiX, std::to_string(dpi));
    const fs::path pdf = Print(queue, TestSheet(values));
    ExpectEveryBoxAndCrosshairInPlace(test::StrokesOf(pdf, dpi), dpi, 0, 0);
  }
}

// ruvo_margin360 cannot print the outer 18 pt across and 36 pt down (90 and
// 180 dots): the sheet starts there, as the slip does, and is otherwise the
// same sheet as on ruvo_pass360, stroke for stroke (margins that keep every
// stroke on both pages). The name's crosshair is where the slip's name
// begins.
TEST_F(TestSheetCupsTest, SheetStaysOnTheSlipsOriginWhenOnlyTheHardwareMarginsDiffer) {
  const fs::path plain = Print("ruvo_pass360", TestSheet(Select("ruvo_pass360", 4)));
  const auto plainStrokes = test::StrokesOf(plain, 360);
  const SlipPrintValues values = Select("ruvo_margin360", 4);
  const auto marginStrokes = test::StrokesOf(Print("ruvo_margin360", TestSheet(values)), 360);
  ExpectEveryBoxAndCrosshairInPlace(marginStrokes, 360, 90, 180, 4);
  ASSERT_EQ(marginStrokes.size(), plainStrokes.size());
  for (std::size_t i = 0; i < plainStrokes.size(); ++i) {
    ASSERT_EQ(marginStrokes[i].points.size(), plainStrokes[i].points.size());
    for (std::size_t p = 0; p < plainStrokes[i].points.size(); ++p) {
      EXPECT_NEAR(marginStrokes[i].points[p].first - 90, plainStrokes[i].points[p].first, 0.05);
      EXPECT_NEAR(marginStrokes[i].points[p].second - 180, plainStrokes[i].points[p].second, 0.05);
    }
  }
  const DrawList slip = SLIP97_Prn(test::KnownSlip(), values);
  const auto words = test::AwaitPdfWords(Print("ruvo_margin360", slip));
  const auto name = std::find_if(words.begin(), words.end(),
                                 [](const test::PdfWord& w) { return w.text == "山田太郎"; });
  ASSERT_NE(name, words.end());
  EXPECT_NEAR(name->xMin * 360 / 72, 90 + Exact(220, 360, 4), kHalfDot);
}

// The proof: the slip's texts where F11 puts them, every box of the slip
// outlined, and the name that runs out of its box as wide on paper as it
// was measured.
TEST_F(TestSheetCupsTest, ProofHasTheSlipsTextsAndItsBoxesInPlace) {
  const SlipPrintValues values = Select("ruvo_pass360");
  SlipRecord slip = test::KnownSlip();
  slip.recipientName = test::FortyByteName();
  const QtTextMeasurer measurer;
  const auto overflows = MeasureOverflows(slip, values, measurer);
  ASSERT_EQ(overflows.size(), 1u);
  const fs::path pdf = Print("ruvo_pass360", SlipProof(slip, values, overflows));
  const auto words = test::AwaitPdfWords(pdf);
  test::ExpectEveryTextInPlace(SLIP97_Prn(slip, values), words, 360);
  const auto strokes = test::StrokesOf(pdf, 360);
  for (const PlacedField& placed : PlaceSlipFields(slip, values)) {
    const SlipLayoutField& field = *placed.field;
    SCOPED_TRACE(std::string(field.name));
    EXPECT_TRUE(test::HasOutline(strokes, Exact(field.x, 360, -4), Exact(field.y, 360, 6),
                                 Exact(field.x + field.width, 360, -4),
                                 Exact(field.y + field.height, 360, 6), kHalfDot));
  }
  const auto name = std::find_if(words.begin(), words.end(), [&](const test::PdfWord& w) {
    return w.text == test::Utf8(slip.recipientName);
  });
  ASSERT_NE(name, words.end());
  const DrawOp nameOp{std::string(SlipFaceName(SlipFace::kPMincho)), 11, 0, 0, slip.recipientName};
  EXPECT_NEAR((name->xMax - name->xMin) * 25.4 / 72, measurer.TextWidthMm(nameOp, 360), 25.4 / 360);
}

}  // namespace
}  // namespace ruvo
