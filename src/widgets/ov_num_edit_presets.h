#pragma once
// Sets a TOvNumEdit up as one of the program's five boxes: name, place,
// size, font, visibility, input method and every published setting.

#include "numedit/num_edit_presets.h"

namespace ruvo {

class TOvNumEdit;

// The font is the box face "ＭＳ Ｐゴシック" at the instance's character
// height in pixels, through the slip printing's face substitution (so the
// IPA Gothic family stands in for it on this system). Writing the text
// emits changed() like any other SetText.
void ApplyNumEditInstance(TOvNumEdit& box, const num_presets::NumEditInstance& instance);

}  // namespace ruvo
