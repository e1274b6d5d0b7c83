#pragma once
// The small pictures on the windows' buttons, drawn by the program itself:
// cheaper at start-up than the style's icon files, and the same on every
// desktop.

#include <QIcon>

namespace ruvo::app {

enum class Glyph {
  kTransfer,  // an arrow down into the recipient fields
  kClear,     // a cross in a circle: empty the memo
  kErase,     // a cross in a box: clear the recipient
  kSave,      // a disk: store the sender, register the margins
  kHelp,      // a question mark: the maker's web page
  kPrinter,   // a printer: register the paper mode's printer
  kMargins,   // arrows to an edge: adjust the print position
};

QIcon GlyphIcon(Glyph glyph);

}  // namespace ruvo::app
