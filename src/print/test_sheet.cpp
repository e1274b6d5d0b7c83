#include "print/test_sheet.h"

#include <string>
#include <string_view>

#include "print/form_placement.h"
#include "print/slip_layout.h"
#include "print/slip_units.h"

namespace ruvo {
namespace {

// Strokes in 1/100 mm: thin enough to read a tenth of a millimetre off the
// rulers, thick enough for a dot-matrix head.
constexpr int kOutlinePen = 15;
constexpr int kArrowPen = 60;

constexpr double kCrossArmMm = 1.5;      // each side of the anchor
constexpr double kCaptionInsetMm = 0.6;  // from the box's left edge
constexpr double kCaptionDropMm = 0.4;   // from its top edge
// Two rows of captions fit the lowest box (9 points, 3.2 mm), so that the
// caption of a narrow box can stand below its wider neighbour's.
constexpr int kCaptionPoints = 5;
constexpr long double kCaptionRowEms = 1.2;  // a caption's cell, and so its row, in ems
constexpr int kFigurePoints = 6;       // a ruler's figures: 2.5 mm tall, within the 3-mm ticks
constexpr double kFigureGapMm = 0.4;   // between a tick and its figure
constexpr double kFigureHalfMm = 1.2;  // half a figure's cell, to centre it on its tick

// "テスト印字"
constexpr std::string_view kTitle = "\x83\x65\x83\x58\x83\x67\x88\xF3\x8E\x9A";
// "給紙方向"
constexpr std::string_view kFeedDirection = "\x8B\x8B\x8E\x86\x95\xFB\x8C\xFC";
constexpr std::string_view kTimes = "\x81\x7E";                       // ×
constexpr std::string_view kTopMargin = "\x8F\xE3\x97\x5D\x94\x92";   // 上余白
constexpr std::string_view kLeftMargin = "\x8D\xB6\x97\x5D\x94\x92";  // 左余白
constexpr std::string_view kDots = "\x83\x68\x83\x62\x83\x67";        // ドット
constexpr std::string_view kScale = "\x94\x7B\x97\xA6";               // 倍率

// The free corner of the form right of the quantity and below the goods,
// where the print values are listed, 7 points a line.
constexpr double kLegendXMm = 125;
constexpr double kLegendYMm = 60;
constexpr double kLegendLineMm = 3.2;
constexpr int kLegendPoints = 7;

// The arrow stands left of the address column, pointing up: the sheet's
// top edge, as the form's, goes into the printer first.
constexpr double kArrowXMm = 20;
constexpr double kArrowTipYMm = 33;
constexpr double kArrowTailYMm = 68;
constexpr double kArrowHeadMm = 8;  // the head's depth and half its width
constexpr int kArrowLabelPoints = 8;

std::string Mincho() {
  return std::string(SlipFaceName(SlipFace::kPMincho));
}

std::string Lucida() {
  return std::string(SlipFaceName(SlipFace::kLucida));
}

class SheetBuilder {
 public:
  explicit SheetBuilder(const SlipPrintValues& values) : placement_(values) {}

  DrawList Build() {
    Boxes();
    Rulers();
    Arrow();
    Legend();
    return std::move(list_);
  }

 private:
  // A line between two points of the form, in layout units from its origin.
  void Line(long double x, long double y, long double x2, long double y2, int pen) {
    list_.push_back(LineOp(DrawShape::kLine, placement_.X(x), placement_.Y(y), placement_.X(x2),
                           placement_.Y(y2), pen));
  }

  // The same in millimetres.
  void LineMm(double x, double y, double x2, double y2, int pen) {
    Line(MmToUnits(x), MmToUnits(y), MmToUnits(x2), MmToUnits(y2), pen);
  }

  void Label(std::string font, int points, long double x, long double y, std::string text) {
    list_.push_back(DrawOp{std::move(font), points, placement_.X(x), placement_.Y(y),
                           std::move(text), DrawShape::kLabel});
  }

  void LabelMm(std::string font, int points, double x, double y, std::string text) {
    Label(std::move(font), points, MmToUnits(x), MmToUnits(y), std::move(text));
  }

  // The crosshair's arms lie on the box's top and left edges and reach
  // out beyond its corner, so the anchor shows where the outline is hidden
  // by a form's own print.
  void Boxes() {
    const long double arm = MmToUnits(kCrossArmMm);
    Caption last;
    for (const SlipLayoutField& field : SlipLayout()) {
      if (field.gate == SlipGate::kSenderOneLine) continue;
      const long double x = field.x;
      const long double y = field.y;
      list_.push_back(LineOp(DrawShape::kFrame, placement_.X(x), placement_.Y(y),
                             placement_.X(x + field.width), placement_.Y(y + field.height),
                             kOutlinePen));
      Line(x - arm, y, x + arm, y, kOutlinePen);
      Line(x, y - arm, x, y + arm, kOutlinePen);
      if (std::string caption = FieldCaption(field); caption != last.text)
        last = PlaceCaption(field, std::move(caption), last);
    }
  }

  // A caption placed: its text, the box row it stands on, where it ends
  // (units) and whether it took the lower of the two rows.
  struct Caption {
    std::string text;
    int y = -1;
    long double end = 0;
    bool lower = false;
  };

  // In the box's top row; in the row below when the caption before it on
  // the same line (the time slots', the wished date's) would run into it
  // there. Widths are reckoned from the bytes, half an em each, as a
  // full-width character is one em.
  Caption PlaceCaption(const SlipLayoutField& field, std::string caption, const Caption& before) {
    const long double em = kCaptionPoints * 160.0L / 72;
    const long double x = field.x + MmToUnits(kCaptionInsetMm);
    const bool crowded = before.y == field.y && !before.lower && x < before.end;
    const long double y = field.y + MmToUnits(kCaptionDropMm) + (crowded ? em * kCaptionRowEms : 0);
    const long double end = x + em * caption.size() / 2 + em / 4;
    Label(Mincho(), kCaptionPoints, x, y, caption);
    return {std::move(caption), field.y, end, crowded};
  }

  static double TickMm(int mm) {
    if (mm % 10 == 0) return 3;
    return mm % 5 == 0 ? 2 : 1;
  }

  void Rulers() {
    // Whole millimetres over the form: 187 across, 101 down.
    const int across = static_cast<int>(SlipForm().width * kMmPerInch / 160);
    const int down = static_cast<int>(SlipForm().height * kMmPerInch / 160);
    LineMm(0, 0, across, 0, kOutlinePen);
    for (int mm = 0; mm <= across; ++mm) {
      LineMm(mm, 0, mm, TickMm(mm), kOutlinePen);
      if (mm % 10 == 0) {
        LabelMm(Lucida(), kFigurePoints, mm + kFigureGapMm, kFigureGapMm, std::to_string(mm));
      }
    }
    LineMm(0, 0, 0, down, kOutlinePen);
    for (int mm = 1; mm <= down; ++mm) {
      LineMm(0, mm, TickMm(mm), mm, kOutlinePen);
      if (mm % 10 == 0) {  // beside its tick, centred on it
        LabelMm(Lucida(), kFigurePoints, TickMm(mm) + kFigureGapMm, mm - kFigureHalfMm,
                std::to_string(mm));
      }
    }
  }

  void Arrow() {
    LineMm(kArrowXMm, kArrowTipYMm, kArrowXMm, kArrowTailYMm, kArrowPen);
    LineMm(kArrowXMm, kArrowTipYMm, kArrowXMm - kArrowHeadMm, kArrowTipYMm + kArrowHeadMm,
           kArrowPen);
    LineMm(kArrowXMm, kArrowTipYMm, kArrowXMm + kArrowHeadMm, kArrowTipYMm + kArrowHeadMm,
           kArrowPen);
    // Four characters of 8 points (2.8 mm each) centred under the tail.
    LabelMm(Mincho(), kArrowLabelPoints, kArrowXMm - 5.6, kArrowTailYMm + 2,
            std::string(kFeedDirection));
  }

  std::string MarginLine(std::string_view caption, int dots, int dpi) const {
    return std::string(caption) + " " + std::to_string(dots) + " " + std::string(kDots) + " = " +
           DotsToMmText(dots, dpi) + " mm";
  }

  void Legend() {
    const std::string times = " " + std::string(kTimes) + " ";
    const std::string lines[] = {
        std::string(kTitle),
        std::to_string(placement_.DpiX()) + times + std::to_string(placement_.DpiY()) + " dpi",
        MarginLine(kTopMargin, placement_.Top(), placement_.DpiY()),
        MarginLine(kLeftMargin, placement_.Left(), placement_.DpiX()),
        std::string(kScale) + " " + PerMilleAsPercentText(placement_.ScaleXPerMille()) + " %" +
            times + PerMilleAsPercentText(placement_.ScaleYPerMille()) + " %",
    };
    double y = kLegendYMm;
    for (const std::string& line : lines) {
      LabelMm(Mincho(), kLegendPoints, kLegendXMm, y, line);
      y += kLegendLineMm;
    }
  }

  FormPlacement placement_;
  DrawList list_;
};

}  // namespace

DrawList TestSheet(const SlipPrintValues& values) {
  return SheetBuilder(values).Build();
}

std::size_t TestSheetBoxCount() {
  std::size_t boxes = 0;
  for (const SlipLayoutField& field : SlipLayout())
    boxes += field.gate == SlipGate::kSenderOneLine ? 0 : 1;
  return boxes;
}

}  // namespace ruvo
