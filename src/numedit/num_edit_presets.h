#pragma once
// The five numeric boxes of the program with the settings that differ from
// the defaults, so the windows and their tests build them the same way.

#include <string>

#include "numedit/num_edit_settings.h"

namespace ruvo::num_presets {

// Where a box sits in its window and how it looks there.
struct NumEditInstance {
  std::string objectName;  // the control's name in its window
  NumEditProperties properties;
  int left = 0;
  int top = 0;
  int width = 121;
  int height = 20;
  int fontHeight = 0;  // character height in pixels
  int tabOrder = 0;
  bool visible = true;
  bool inputMethodOff = false;  // the input method is disabled in the box
};

// The face every box uses, CP932: "ＭＳ Ｐゴシック".
extern const char* const kFontFace;

// Main window: the number of parcels, saved under "KOSUU".
NumEditInstance OvNumEdit_KOSUU();
// Main window: the hidden amount field.
NumEditInstance OvNumEdit_PriceSub();
// Main window: the hidden box the text transfer reads numbers through.
NumEditInstance OvNumEdit_ZenChk();
// Print-position dialog: the top margin in printer dots.
NumEditInstance OvNumEdit_TOP();
// Print-position dialog: the left margin in printer dots.
NumEditInstance OvNumEdit_LEFT();

}  // namespace ruvo::num_presets
