#include "app/window_kit.h"

#include <QApplication>
#include <QCheckBox>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "app/cp932_line_edit.h"
#include "numedit/num_edit_presets.h"
#include "qt_text/font_substitution.h"

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

QLabel* MakeLabel(QWidget* parent, const LabelSpec& def) {
  auto* label = new QLabel(def.text, parent);
  label->setObjectName(QString::fromLatin1(def.name));
  SetFontHeight(*label, def.font, def.bold);
  label->move(def.at);
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

TCp932Edit* MakeEdit(QWidget* parent, const EditSpec& def) {
  auto* edit = new TCp932Edit(def.field, parent);
  edit->setGeometry(def.rect);
  SetIme(*edit, def.ime);
  edit->SetCaretToEndOnEntry(def.caretToEndOnEntry);
  SetFontHeight(*edit, def.font);
  if (!def.hint.isEmpty()) edit->setToolTip(def.hint);
  return edit;
}

QPushButton* MakeGlyphButton(QWidget* parent, const ButtonSpec& def) {
  auto* button = new QPushButton(def.caption, parent);
  button->setObjectName(QString::fromLatin1(def.name));
  button->setGeometry(def.rect);
  if (def.glyph) button->setIcon(GlyphIcon(*def.glyph));
  button->setFocusPolicy(def.tabStop ? Qt::StrongFocus : Qt::NoFocus);
  // Enter presses the focused button, in the main window too (Qt leaves
  // that to dialogs), as the end of each field's Enter path expects.
  button->setAutoDefault(true);
  if (!def.hint.isEmpty()) button->setToolTip(def.hint);
  return button;
}

QCheckBox* MakeCheckBox(QWidget* parent, const CheckSpec& def) {
  auto* box = new QCheckBox(def.caption, parent);
  box->setObjectName(QString::fromLatin1(def.name));
  box->setGeometry(def.rect);
  box->setChecked(def.checked);
  SetFontHeight(*box, def.font);
  if (!def.hint.isEmpty()) box->setToolTip(def.hint);
  return box;
}

void ChainTabOrder(std::initializer_list<QWidget*> order) {
  QWidget* previous = nullptr;
  for (QWidget* widget : order) {
    if (previous != nullptr) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

}  // namespace ruvo::app
