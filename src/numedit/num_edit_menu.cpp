// The numeric box's built-in context menu as data: captions, when each entry
// is enabled, and what a click on it does.

#include "numedit/num_edit_model.h"

namespace ruvo {
namespace {

enum MenuTag : int {
  kUndo = 0,
  kCut = 2,
  kCopy = 3,
  kPaste = 4,
  kDelete = 5,
  kSelectAll = 7,
};

}  // namespace

const std::array<EditMenuEntry, NumEditModel::kEditMenuSize>& NumEditModel::EditMenuEntries() {
  static const std::array<EditMenuEntry, kEditMenuSize> entries = {{
      {0, "\x8c\xb3\x82\xc9\x96\xdf\x82\xb7(&U)"},          // 元に戻す(&U)
      {1, "-"},                                             // separator
      {2, "\x90\xd8\x82\xe8\x8e\xe6\x82\xe8(&T)"},          // 切り取り(&T)
      {3, "\x83\x52\x83\x73\x81\x5b(&C)"},                  // コピー(&C)
      {4, "\x93\x5c\x82\xe8\x95\x74\x82\xaf(&P)"},          // 貼り付け(&P)
      {5, "\x8d\xed\x8f\x9c(&D)"},                          // 削除(&D)
      {6, "-"},                                             // separator
      {7, "\x82\xb7\x82\xd7\x82\xc4\x91\x49\x91\xf0(&A)"},  // すべて選択(&A)
  }};
  return entries;
}

bool NumEditModel::EditMenuEnabled(int tag) const {
  const bool editable = !behaviour_.readOnly;
  switch (tag) {
    case kUndo:
      return canUndo_ && editable;
    case kCut:
      return Selected() && editable;
    case kCopy:
      return Selected();
    case kPaste:
      return clipboard_.HasText() && editable;
    case kDelete:
      return Selected() && editable;
    case kSelectAll:
      return !Selected() && !ValueText().empty();
    default:
      return false;  // separators
  }
}

void NumEditModel::EditMenuClick(int tag) {
  if (!EditMenuEnabled(tag)) return;
  switch (tag) {
    case kUndo:
      return Undo();
    case kCut:
      return CutToClipboard();
    case kCopy:
      return CopyToClipboard();
    case kPaste:
      return PasteFromClipboard();
    case kDelete:
      return Clear();
    case kSelectAll:
      return SelectAll();
    default:
      return;
  }
}

}  // namespace ruvo
