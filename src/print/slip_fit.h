#pragma once
// Whether a slip's texts fit their boxes: every typed text measured in the
// face and size it is printed in, at the printer's resolution, against its
// field's box on the form. The measuring is a seam: the Qt print layer
// measures with the installed fonts (QtTextMeasurer), the core's tests with
// a fake.

#include <string>
#include <string_view>
#include <vector>

#include "print/draw_op.h"
#include "print/slip_record.h"

namespace ruvo {

class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;
  // The advance width on paper, in millimetres, of `op`'s text in its face
  // and size as a page of `dpi` dots per inch prints it (the font sized in
  // whole dots there, as the painter sizes it). `op.text` is not empty.
  virtual double TextWidthMm(const DrawOp& op, int dpi) const = 0;
};

// Where the printer's resolution is not known yet (a batch checked before
// any printer is asked): a multiple of 72 dpi gives every point size a
// whole number of dots, so each text is measured at its exact size.
inline constexpr int kFitReferenceDpi = 720;

// Its texts are views into the slip layout's table, which lives as long as
// the program.
struct FieldOverflow {
  std::string_view name;     // the layout's name of the field ("name", "goods 1")
  std::string_view caption;  // CP932, as the user knows it ("おなまえ")
  // How far the text runs past the box's right edge, rounded up to a tenth
  // of a millimetre: more than 0.5.
  double mm = 0;
  bool operator==(const FieldOverflow&) const = default;
};

// The fields of `slip` whose typed text runs more than 0.5 mm past its box
// (what the form's printed edge and the gap before its neighbour take up),
// in layout order. The text is measured at
// the finer of the two resolutions, which a page is painted at; the box is
// as wide as it prints, the form's scale across included. Throws as
// SLIP97_Prn for print values it cannot read.
std::vector<FieldOverflow> MeasureOverflows(const SlipRecord& slip, const SlipPrintValues& values,
                                            const TextMeasurer& measurer);

// "12" for 12.0 mm, "3.6" for 3.6 mm.
std::string OverflowMmText(double mm);

// What the user is told (CP932): 「おなまえが枠に収まりません (12 mm はみ出します)」.
std::string OverflowWarning(const FieldOverflow& overflow);

}  // namespace ruvo
