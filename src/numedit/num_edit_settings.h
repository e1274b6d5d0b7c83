#pragma once
// The numeric box's published settings beyond those that shape the value
// (NumValueSettings), with the box's defaults.

#include <string>

#include "numedit/num_edit_types.h"
#include "numedit/num_value_model.h"

namespace ruvo {

// Settings read by the editing model when input arrives.
struct NumEditBehaviour {
  bool arrowFocusMove = false;  // Up/Down move the focus (with eoArrowUp/eoArrowDown)
  bool autoSelect = true;       // gaining the focus selects the whole value
  bool enterFocusMove = false;  // Enter moves the focus to the next control
  bool errorBeep = true;        // a refused keystroke beeps
  bool hideSelection = true;    // leaving the box removes the selection
  bool imageCopy = false;       // Copy and Cut put the shown text, not the value
  bool readOnly = false;        // refuse every change by the user
  TOvNumEditOptions options{eoArrowUp, eoArrowDown};
};

// Settings of placement and size, used by the widget. Margins in pixels.
struct NumEditLayout {
  TAlignment alignment = taRightJustify;
  TVertAlignment vertAlignment = taVCenter;
  bool autoSize = true;  // the height follows the font and the top and bottom margins
  TBorderStyle borderStyle = bsSingle;
  int topMargin = 2;
  int leftMargin = 2;
  int bottomMargin = 2;
  int rightMargin = 2;
};

// Every published setting of one box, and its initial Text.
struct NumEditProperties {
  NumValueSettings value;
  NumEditBehaviour behaviour;
  NumEditLayout layout;
  std::string text;  // CP932; written through SetText when the box is set up
};

}  // namespace ruvo
