#include "widgets/ov_num_edit_presets.h"

#include <QFont>
#include <QString>

#include "qt_text/font_substitution.h"
#include "widgets/ov_num_edit.h"

namespace ruvo {
namespace {

// A negative Windows font height is the character (em) height in pixels,
// which is what a Qt pixel size means.
QFont BoxFont(int characterHeight) {
  QFont font(SubstituteFontFamily(num_presets::kFontFace));
  if (characterHeight > 0) font.setPixelSize(characterHeight);
  return font;
}

}  // namespace

void ApplyNumEditInstance(TOvNumEdit& box, const num_presets::NumEditInstance& instance) {
  box.setObjectName(QString::fromLatin1(instance.objectName));
  box.setGeometry(instance.left, instance.top, instance.width, instance.height);
  box.Apply(instance.properties);
  box.setFont(BoxFont(instance.fontHeight));
  box.setAttribute(Qt::WA_InputMethodEnabled, !instance.inputMethodOff);
  box.setVisible(instance.visible);
}

}  // namespace ruvo
