#pragma once
// TOvNumEdit: the numeric input box of the quantity field and the print
// margins. It draws everything itself (no child line edit): a left mark, the
// number right-aligned in the room kept for it, a right mark, and a caret
// standing right after the typed text. Keys, characters, the mouse and the
// context menu are handed to the editing model (NumEditModel); the widget
// adds measuring, geometry, painting and the Qt plumbing.
//
// Texts crossing this interface are CP932 bytes like everywhere in the core;
// text()/setText() are the QString edge for Qt code.
//
// A host's own key handling (the windows' OnKeyDown/OnKeyPress) is an event
// filter installed on the box: it runs first and may swallow the key.
//
// The client area is the widget inside its border (2 px sunken edge with
// bsSingle, none with bsNone); every geometry below is in client pixels.

#include <QBasicTimer>
#include <QColor>
#include <QRect>
#include <QWidget>
#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "numedit/num_edit_model.h"
#include "widgets/ov_num_edit_layout.h"

class QAction;
class QMenu;

namespace ruvo {

class QtNumClipboard;
class QtNumBeeper;
class WidgetWidthTest;

class TOvNumEdit : public QWidget {
  Q_OBJECT

 public:
  explicit TOvNumEdit(QWidget* parent = nullptr);
  ~TOvNumEdit() override;

  // Text, read: the value as stored, e.g. "", "-", "12." (never the display).
  const std::string& GetText() const { return model_->ValueText(); }
  // Text, write: when `s` differs byte for byte from the value, stores it
  // parsed with leading zeros stripped, repaints and emits changed().
  void SetText(std::string_view s);
  // Copies at most size - 1 bytes of the value and a NUL into `buffer` and
  // returns the count copied (0 and nothing written for an empty buffer).
  std::size_t GetTextBuf(std::span<char> buffer) const;
  QString text() const;
  void setText(const QString& text);
  const std::string& DisplayText() const { return model_->DisplayText(); }

  // The editing model. Its behaviour settings (ReadOnly, ErrorBeep,
  // EnterFocusMove, ArrowFocusMove, AutoSelect, HideSelection, ImageCopy,
  // Options) are plain data, set through Model().Behaviour(); settings that
  // change what is shown go through the widget's setters below.
  const NumEditModel& Model() const { return *model_; }
  NumEditModel& Model() { return *model_; }

  // Every published setting and the text, as the windows set a box up.
  void Apply(const NumEditProperties& properties);

  // Settings that shape the value and its display: width rule, refresh.
  void SetIntegerLength(int length);
  void SetDecimalLength(int length);
  void SetMinus(bool minus);
  void SetComma(bool comma);
  void SetZeroEnabled(bool enabled);
  void SetDecimalFixed(bool fixed);
  void SetIntegerFixed(bool fixed);
  void SetLeftMark(std::string_view cp932);
  void SetRightMark(std::string_view cp932);

  // Placement and size; negative margins are ignored.
  const NumEditLayout& LayoutSettings() const { return layout_; }
  void SetAlignment(TAlignment alignment);
  void SetVertAlignment(TVertAlignment alignment);
  void SetTopMargin(int pixels);
  void SetBottomMargin(int pixels);
  void SetLeftMargin(int pixels);
  void SetRightMargin(int pixels);
  void SetAutoSize(bool autoSize);
  void SetBorderStyle(TBorderStyle style);

  // Colours: Color is the window colour behind the text (reset to the
  // palette's base colour when the box gets a parent); DisabledColor is the
  // text colour of a disabled box.
  QColor Color() const { return color_; }
  void SetColor(const QColor& color);
  QColor DisabledColor() const { return disabledColor_; }
  void SetDisabledColor(const QColor& color);

  // A form designer's preview: only then does the width follow the widest
  // number (AdjustWidth), and no caret or context menu is made.
  void SetDesigning(bool designing);

  // Measuring, in pixels with the box's font.
  int TextWidth(std::string_view cp932) const;  // 0 for "", else extent + 1
  int TextHeight() const { return textHeight_; }
  int ReservedWidth() const;
  int DisplayTextWidth(std::string_view value) const;
  int CaretTextWidth() const;
  int AvailableWidth() const;
  bool TextFits(std::string_view value) const;

  QRect ClientRect() const;  // in widget coordinates
  QRect LeftMarkRect() const;
  QRect ReservedRect() const;
  QRect NumberRect() const;
  QRect RightMarkRect() const;
  QPoint CaretPosition() const;
  QRect NumberBounds() const { return numberBounds_; }  // as of the last paint

  // The caret exists only while the box has the focus; 1 px wide, 2 px for
  // a bold font, TextHeight tall.
  bool HasCaret() const { return caretExists_; }
  int CaretWidth() const { return caretWidth_; }
  QRect CaretRect() const;  // client coordinates; empty without a caret

  void AdjustHeight();  // with AutoSize: client height = TextHeight + margins
  void AdjustWidth();   // only while designing, with eoAutoWidthSize and AutoSize

  // The built-in context menu (never shown while designing): entries by tag 0-7,
  // 1 and 6 being separators. EditMenuPopup takes the focus and sets the
  // enabled states, as happens when the menu opens.
  QMenu* EditMenu() const { return editMenu_; }
  QAction* EditMenuItem(int tag) const;
  void EditMenuPopup();
  void EditMenuClick(int tag);

  // In a layout: the default width, and the height of the AutoSize rule
  // (the current height without AutoSize); the height is kept fixed.
  QSize sizeHint() const override;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

 signals:
  void changed();  // the value changed (OnChange)
  void entered();  // the box got the focus (OnEnter)
  void exited();   // the box lost the focus (OnExit)

 protected:
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  NumEditGeometry Geometry() const;
  NumEditWidths MeasureWidths() const;
  bool MarksShown() const;
  void SetClientHeight(int height);
  void ApplyBorder();
  void OnParentAssigned();
  void OnFontChanged();
  // Runs the rules of leaving for a box whose window lost the keyboard while
  // it was focused and that turns out not to get the focus back.
  void FinishInactiveExit();
  void Refresh();
  void AfterValueSetting(bool changed);
  void AfterLayoutSetting(bool height, bool width);
  void PostFocusMove(FocusMove move);
  void HandleCharacter(unsigned code);
  bool HandleKeyDown(const QKeyEvent& event);
  void BuildEditMenu();
  void CreateTextCaret();
  void UpdateCaret();
  void DestroyTextCaret();

  // The model keeps references to these three; they are declared first so
  // that they outlive it.
  std::unique_ptr<QtNumClipboard> clipboard_;
  std::unique_ptr<QtNumBeeper> beeper_;
  std::unique_ptr<WidgetWidthTest> widthTest_;
  std::unique_ptr<NumEditModel> model_;

  NumEditLayout layout_;
  QColor color_;
  QColor disabledColor_;
  bool designing_ = false;
  bool creating_ = true;
  bool windowInactive_ = false;  // focused when another window took the keyboard
  int textHeight_ = 0;
  int caretWidth_ = 1;
  bool caretExists_ = false;
  bool caretShown_ = false;  // the blink phase
  QBasicTimer caretBlink_;
  QRect numberBounds_;
  QMenu* editMenu_ = nullptr;
};

}  // namespace ruvo
