// The numeric box's copy, cut and paste.
#include "numedit/num_edit_model.h"

namespace ruvo {

void NumEditModel::CopyToClipboard() {
  if (!Selected()) return;
  clipboard_.SetText(behaviour_.imageCopy ? DisplayText() : ValueText());
}

void NumEditModel::CutToClipboard() {
  if (!Selected()) return;
  CopyToClipboard();
  Clear();
  RaiseChange();
}

void NumEditModel::PasteFromClipboard() {
  if (!clipboard_.HasText()) return;
  const std::string pasted = clipboard_.Text();
  SaveUndo();
  const std::string t = value_.ParseText(Selected() ? pasted : ValueText() + pasted);
  value_.AssignValue(value_.StripLeadingZeros(t));
  ClearSelection();
  RaiseChange();
}

}  // namespace ruvo
