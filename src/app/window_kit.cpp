#include "app/window_kit.h"

#include <QApplication>
#include <QCheckBox>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "app/cp932_line_edit.h"
#include "widgets/font_substitution.h"
#include "widgets/num_edit_presets.h"

namespace ruvo::app {
namespace {

// A control's own font: the window face at `pixels`, or the parent's font
// made bold; neither keeps the inherited font.
void SetFontHeight(QWidget& widget, int pixels, bool bold = false) {
  if (pixels > 0) {
    widget.setFont(WindowFont(pixels, bold));
  } else if (bold) {
    QFont font = widget.font();
    font.setBold(true);
    widget.setFont(font);
  }
}

}  // namespace

QFont WindowFont(int pixels, bool bold) {
  QFont font(SubstituteFontFamily(num_presets::kFontFace));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

void SetIme(QWidget& field, Ime ime) {
  field.setAttribute(Qt::WA_InputMethodEnabled, ime != Ime::kOff);
}

QLabel* MakeLabel(QWidget* parent, const LabelSpec& spec) {
  auto* label = new QLabel(spec.text, parent);
  label->setObjectName(QString::fromLatin1(spec.name));
  SetFontHeight(*label, spec.font, spec.bold);
  label->move(spec.at);
  label->adjustSize();
  return label;
}

QLabel* MakeCaptionPanel(QWidget* parent, const char* name, QRect rect, const QString& text) {
  auto* panel = new QLabel(text, parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setAlignment(Qt::AlignCenter);
  panel->setGeometry(rect);
  return panel;
}

TCp932Edit* MakeEdit(QWidget* parent, const EditSpec& spec) {
  auto* edit = new TCp932Edit(parent);
  edit->setObjectName(QString::fromLatin1(spec.name));
  edit->setGeometry(spec.rect);
  edit->SetByteLimit(spec.maxBytes);
  SetIme(*edit, spec.ime);
  SetFontHeight(*edit, spec.font);
  if (!spec.hint.isEmpty()) edit->setToolTip(spec.hint);
  return edit;
}

QPushButton* MakeGlyphButton(QWidget* parent, const ButtonSpec& spec) {
  auto* button = new QPushButton(spec.caption, parent);
  button->setObjectName(QString::fromLatin1(spec.name));
  button->setGeometry(spec.rect);
  if (spec.glyph) button->setIcon(GlyphIcon(*spec.glyph));
  button->setFocusPolicy(spec.tabStop ? Qt::StrongFocus : Qt::NoFocus);
  button->setAutoDefault(false);
  if (!spec.hint.isEmpty()) button->setToolTip(spec.hint);
  return button;
}

QCheckBox* MakeCheckBox(QWidget* parent, const CheckSpec& spec) {
  auto* box = new QCheckBox(spec.caption, parent);
  box->setObjectName(QString::fromLatin1(spec.name));
  box->setGeometry(spec.rect);
  box->setChecked(spec.checked);
  SetFontHeight(*box, spec.font);
  if (!spec.hint.isEmpty()) box->setToolTip(spec.hint);
  return box;
}

QFrame* MakePanel(QWidget* parent, const char* name, QRect rect) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setGeometry(rect);
  return panel;
}

}  // namespace ruvo::app
