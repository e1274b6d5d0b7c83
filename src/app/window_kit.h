#pragma once
// Makes the controls of the windows from their place and settings, so that
// each band reads as a table of its controls. Every control gets its name as
// objectName; coordinates are pixels in the parent; a font height is the
// character height in pixels of the window face "ＭＳ Ｐゴシック" (0 keeps
// the parent's font).

#include <QRect>
#include <QString>
#include <cstddef>
#include <initializer_list>
#include <optional>

#include "app/glyphs.h"
#include "slip/slip_fields.h"

class QCheckBox;
class QFont;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace ruvo::app {

class TCp932Edit;

// The window face at `pixels`, through the one table of installed stand-ins.
QFont WindowFont(int pixels, bool bold = false);

// Input-method setting of a field. Qt can switch the input method on or off
// for a field but cannot choose its mode, so hiragana is "on".
enum class Ime { kOff, kOn, kHiragana };

struct LabelSpec {
  const char* name;
  QPoint at;  // the label sizes itself to its text
  QString text;
  int font = 0;
  bool bold = false;
};
QLabel* MakeLabel(QWidget* parent, const LabelSpec& def);

// A raised box with a field's name centred in it, left of the field.
QLabel* MakeCaptionPanel(QWidget* parent, const char* name, QRect rect, const QString& text);

// A slip field's edit box, named and limited as its row in kSlipFields says.
struct EditSpec {
  SlipField field;
  QRect rect;
  Ime ime = Ime::kOn;
  int font = 0;
  QString hint = {};
  bool caretToEndOnEntry = true;  // entering leaves the text unselected, the caret at its end
};
TCp932Edit* MakeEdit(QWidget* parent, const EditSpec& def);

struct ButtonSpec {
  const char* name;
  QRect rect;
  std::optional<Glyph> glyph = std::nullopt;
  QString caption = {};
  QString hint = {};
  bool tabStop = true;  // a button that is no tab stop never takes the focus
};
QPushButton* MakeGlyphButton(QWidget* parent, const ButtonSpec& def);

struct CheckSpec {
  const char* name;
  QRect rect;
  QString caption;
  QString hint = {};
  int font = 0;
  bool checked = false;
};
QCheckBox* MakeCheckBox(QWidget* parent, const CheckSpec& def);

// Tab and Enter walk `order` from the first control to the last.
void ChainTabOrder(std::initializer_list<QWidget*> order);

void SetIme(QWidget& field, Ime ime);

}  // namespace ruvo::app
