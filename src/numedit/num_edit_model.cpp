// The numeric box's editing model: its settings and text, the selection
// and the one step of undo. Typing is num_edit_operations.cpp, the
// clipboard num_edit_clipboard.cpp.
#include "numedit/num_edit_model.h"

#include <utility>

namespace ruvo {

NumEditModel::NumEditModel(NumClipboard& clipboard, NumBeeper& beeper, NumWidthTest& widthTest)
    : clipboard_(clipboard), beeper_(beeper), widthTest_(widthTest) {}

void NumEditModel::Apply(const NumEditProperties& properties) {
  const NumValueSettings& v = properties.value;
  value_.SetIntegerLength(v.integerLength);
  value_.SetDecimalLength(v.decimalLength);
  value_.SetMinus(v.minus);
  value_.SetComma(v.comma);
  value_.SetZeroEnabled(v.zeroEnabled);
  value_.SetDecimalFixed(v.decimalFixed);
  value_.SetIntegerFixed(v.integerFixed);
  value_.SetLeftMark(v.leftMark);
  value_.SetRightMark(v.rightMark);
  behaviour_ = properties.behaviour;
  SetText(properties.text);
}

void NumEditModel::SetText(std::string_view s) {
  if (value_.SetText(s)) RaiseChange();
}

void NumEditModel::SelectAll() {
  selLength_ = static_cast<int>(DisplayText().size());
}

void NumEditModel::ClearSelection() {
  selLength_ = 0;
}

void NumEditModel::SaveUndo() {
  undoText_ = ValueText();
  canUndo_ = true;
}

void NumEditModel::SwapUndo() {
  std::string previous = ValueText();
  value_.AssignValue(std::move(undoText_));
  undoText_ = std::move(previous);
  canUndo_ = true;
}

void NumEditModel::Undo() {
  if (!canUndo_) return;
  SwapUndo();
  SelectAll();
  RaiseChange();
}

}  // namespace ruvo
