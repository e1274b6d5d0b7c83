#include "numedit/num_edit_presets.h"

namespace ruvo::num_presets {
namespace {

NumEditInstance Placed(const char* name, int left, int top, int width, int height) {
  NumEditInstance box;
  box.objectName = name;
  box.left = left;
  box.top = top;
  box.width = width;
  box.height = height;
  return box;
}

// The main window's visible boxes keep their text a pixel from the edges.
void UseNarrowMargins(NumEditLayout& layout) {
  layout.topMargin = 1;
  layout.bottomMargin = 1;
  layout.leftMargin = 0;
}

}  // namespace

// "ＭＳ Ｐゴシック"
const char* const kFontFace = "\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e";

NumEditInstance OvNumEdit_KOSUU() {
  NumEditInstance box = Placed("OvNumEdit_KOSUU", 350, 115, 35, 20);
  box.fontHeight = 15;
  box.tabOrder = 7;
  box.inputMethodOff = true;
  NumEditProperties& p = box.properties;
  p.layout.autoSize = false;
  UseNarrowMargins(p.layout);
  p.value.integerLength = 3;
  p.value.decimalLength = 0;
  p.behaviour.errorBeep = false;
  p.text = "999";
  return box;
}

NumEditInstance OvNumEdit_PriceSub() {
  NumEditInstance box = Placed("OvNumEdit_PriceSub", 575, 115, 79, 21);
  box.fontHeight = 15;
  box.tabOrder = 10;
  box.visible = false;
  NumEditProperties& p = box.properties;
  UseNarrowMargins(p.layout);
  p.value.integerLength = 7;
  p.behaviour.errorBeep = false;
  p.text = "0";
  return box;
}

NumEditInstance OvNumEdit_ZenChk() {
  NumEditInstance box = Placed("OvNumEdit_ZenChk", 32, 104, 157, 19);
  box.fontHeight = 11;
  box.tabOrder = 2;
  box.visible = false;
  return box;
}

// The margins keep DecimalLength 3 and Minus, so a point and a sign can be
// typed there; their readers convert the text to an integer.
NumEditInstance OvNumEdit_TOP() {
  NumEditInstance box = Placed("OvNumEdit_TOP", 82, 15, 50, 20);
  box.fontHeight = 12;
  box.tabOrder = 1;
  box.properties.behaviour.errorBeep = false;
  return box;
}

NumEditInstance OvNumEdit_LEFT() {
  NumEditInstance box = OvNumEdit_TOP();
  box.objectName = "OvNumEdit_LEFT";
  box.top = 39;
  box.tabOrder = 2;
  return box;
}

}  // namespace ruvo::num_presets
