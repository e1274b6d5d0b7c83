// The numeric box as a Qt widget: typing, the context menu, geometry and
// caret, the height rule, the input method and focus moves.

#include "widgets/ov_num_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <array>
#include <span>

#include "numedit/num_edit_presets.h"
#include "qt_text/qt_text.h"
#include "support/test_text.h"
#include "widgets/ov_num_edit_presets.h"

using ruvo::TOvNumEdit;
using ruvo::test::Sj;

namespace {

// A window holding a line edit, the box under test and another line edit,
// in this tab order, shown and active so that focus events arrive.
struct Host {
  QWidget window;
  QLineEdit* before = new QLineEdit(&window);
  TOvNumEdit* box = new TOvNumEdit(&window);
  QLineEdit* after = new QLineEdit(&window);

  Host() {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(before);
    layout->addWidget(box);
    layout->addWidget(after);
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) qWarning("host window never became active");
  }

  void FocusBox() {
    box->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
  }
};

void ApplyPreset(TOvNumEdit& box, const ruvo::num_presets::NumEditInstance& preset) {
  ruvo::ApplyNumEditInstance(box, preset);
  box.setVisible(true);
}

// Types `keys`: "\b" is Backspace, "\r" Enter, anything else a character.
void Type(QWidget* widget, const QString& keys) {
  for (const QChar key : keys) {
    if (key == u'\b')
      QTest::keyClick(widget, Qt::Key_Backspace);
    else if (key == u'\r')
      QTest::keyClick(widget, Qt::Key_Return);
    else
      QTest::keyClicks(widget, QString(key));
  }
}

void CommitFromInputMethod(QWidget* widget, const QString& text) {
  QInputMethodEvent event;
  event.setCommitString(text);
  QCoreApplication::sendEvent(widget, &event);
}

bool HasPixelOf(const QImage& image, const QRect& area, const QColor& colour) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.pixelColor(x, y) == colour) return true;
  return false;
}

}  // namespace

class OvNumEditTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void typedKeysEndInValue_data();
  void typedKeysEndInValue();
  void typingOverTabSelectionChangesTwice();
  void ctrlAThenCtrlCCopiesValue();
  void readOnlyRefusesTypingButCopies();
  void ctrlVPastesFullWidthOverSelection();
  void setTextChangesOnlyWhenTextDiffers();
  void getTextBufNeverWritesPastBuffer();
  void escapeGoesToWindowUnlessAllKeysWanted();
  void deleteWithModifierTypesNothing();
  void contextMenuCaptions();
  void contextMenuEnabling_data();
  void contextMenuEnabling();
  void contextMenuDeleteEmptiesValue();
  void rectanglesFollowAlignment_data();
  void rectanglesFollowAlignment();
  void decimalFixedCaretStandsAfterTypedDecimals();
  void emptyValueHidesMarksAndCaretSitsAtRightEdge();
  void autoSizeHeightFollowsFont();
  void fixedHeightStaysAndCentresLine();
  void fullWidthFromInputMethodTakenAsAscii_data();
  void fullWidthFromInputMethodTakenAsAscii();
  void enterMovesFocusAfterTheKey();
  void modifiersChangeWhatEnterTypes_data();
  void modifiersChangeWhatEnterTypes();
  void arrowsMoveFocusOnlyWhenAllowed_data();
  void arrowsMoveFocusOnlyWhenAllowed();
  void caretLivesWhileFocused();
  void boldFontWhileFocusedWidensCaret();
  void boldParentFontGivesWideCaret();
  void focusMovedWhileWindowInactiveEntersAgain();
  void selectionKeepsHighlightInInactiveWindow();
  void loneMinusEmptiedOnExitWithoutChange();
  void leftClickClearsTabSelection();
  void rightClickKeepsSelectionForMenu();
  void windowSwitchKeepsSelectionAndCaretFollows();
  void doubleClickSelectionSurvives();
  void dragAcrossNumberSelectsAll();
  void disabledSelectionDrawsNoHighlight();
};

void OvNumEditTest::init() {
  QGuiApplication::clipboard()->clear();
}

void OvNumEditTest::typedKeysEndInValue_data() {
  QTest::addColumn<bool>("quantityBox");
  QTest::addColumn<QString>("keys");
  QTest::addColumn<QString>("value");
  QTest::newRow("quantity keeps three digits") << true << "1234"
                                               << "123";
  QTest::newRow("quantity refuses the point") << true << "1.5"
                                              << "15";
  QTest::newRow("leading zeros dropped") << false << "005"
                                         << "5";
  QTest::newRow("point first gives 0.") << false << ".5"
                                        << "0.5";
  QTest::newRow("fourth decimal refused") << false << "1.2345"
                                          << "1.234";
  QTest::newRow("minus toggles at the front") << false << "12-"
                                              << "-12";
  QTest::newRow("minus twice removes it") << false << "12--"
                                          << "12";
  QTest::newRow("backspace drops point with digit") << false << "12.5\b"
                                                    << "12";
  QTest::newRow("backspace leaves lone minus") << false << "-5\b"
                                               << "-";
  QTest::newRow("letters refused") << false << "1a2"
                                   << "12";
  QTest::newRow("enter refused in place") << false << "7\r8"
                                          << "78";
}

void OvNumEditTest::typedKeysEndInValue() {
  QFETCH(bool, quantityBox);
  QFETCH(QString, keys);
  QFETCH(QString, value);
  Host host;
  if (quantityBox) ApplyPreset(*host.box, ruvo::num_presets::OvNumEdit_KOSUU());
  host.box->SetText("");
  host.FocusBox();
  Type(host.box, keys);
  QCOMPARE(host.box->text(), value);
}

// Tab selects the whole value; the digit clears it and is then stored, each
// a change of its own.
void OvNumEditTest::typingOverTabSelectionChangesTwice() {
  Host host;
  host.box->SetText("123");
  host.FocusBox();
  QVERIFY(host.box->Model().Selected());
  QSignalSpy changes(host.box, &TOvNumEdit::changed);
  Type(host.box, QStringLiteral("7"));
  QCOMPARE(host.box->text(), QStringLiteral("7"));
  QCOMPARE(changes.count(), 2);
}

void OvNumEditTest::ctrlAThenCtrlCCopiesValue() {
  Host host;
  host.box->SetDecimalFixed(true);
  host.box->SetText("1234.5");
  host.FocusBox();
  host.box->Model().ClearSelection();
  QTest::keyClick(host.box, Qt::Key_C, Qt::ControlModifier);
  QVERIFY(QGuiApplication::clipboard()->text().isEmpty());  // nothing selected
  QTest::keyClick(host.box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(host.box, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1234.5"));
  host.box->Model().Behaviour().imageCopy = true;
  QTest::keyClick(host.box, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1,234.500"));
}

void OvNumEditTest::readOnlyRefusesTypingButCopies() {
  Host host;
  host.box->SetText("42");
  host.box->Model().Behaviour().readOnly = true;
  host.FocusBox();
  Type(host.box, QStringLiteral("5\b-"));
  QTest::keyClick(host.box, Qt::Key_X, Qt::ControlModifier);
  QCOMPARE(host.box->text(), QStringLiteral("42"));
  QTest::keyClick(host.box, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("42"));
}

void OvNumEditTest::ctrlVPastesFullWidthOverSelection() {
  Host host;
  host.box->SetIntegerLength(6);
  host.box->SetText("123");
  host.FocusBox();
  QGuiApplication::clipboard()->setText(QStringLiteral("１，０００"));
  QTest::keyClick(host.box, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(host.box->text(), QStringLiteral("1000"));
  QTest::keyClick(host.box, Qt::Key_V, Qt::ControlModifier);  // 「10001000」: too long
  QCOMPARE(host.box->text(), QString());
}

// The comparison is made with the text as written, before it is parsed.
void OvNumEditTest::setTextChangesOnlyWhenTextDiffers() {
  TOvNumEdit box;
  QSignalSpy changes(&box, &TOvNumEdit::changed);
  box.SetText("");
  QCOMPARE(changes.count(), 0);
  box.setText(QStringLiteral("１，０００"));
  QCOMPARE(box.GetText(), std::string("1000"));
  box.SetText("1,000");
  QCOMPARE(changes.count(), 2);
  box.SetText("1000");
  QCOMPARE(changes.count(), 2);
}

// The value, never its display, cut to the buffer with room for the NUL.
void OvNumEditTest::getTextBufNeverWritesPastBuffer() {
  TOvNumEdit box;
  box.SetText("12345");
  std::array<char, 6> buffer{'x', 'x', 'x', 'x', 'x', 'x'};
  QCOMPARE(box.GetTextBuf(std::span(buffer).first(4)), std::size_t{3});
  QCOMPARE(QByteArray(buffer.data(), 6), QByteArray("123\0xx", 6));
  QCOMPARE(box.GetTextBuf(std::span(buffer).first(0)), std::size_t{0});
  QCOMPARE(buffer[0], '1');
  box.SetText("12345.6");
  std::array<char, 16> large{};
  QCOMPARE(box.GetTextBuf(large), std::size_t{7});
  QCOMPARE(QByteArray(large.data()), QByteArray("12345.6"));
}

// Escape closes a dialog unless the box wants every key (EnterFocusMove);
// keys that type nothing, like F11, always go on to the window.
void OvNumEditTest::escapeGoesToWindowUnlessAllKeysWanted() {
  TOvNumEdit box;
  const auto accepted = [&box](Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &press);
    return press.isAccepted();
  };
  QVERIFY(!accepted(Qt::Key_Escape));
  QVERIFY(!accepted(Qt::Key_F11));
  box.Model().Behaviour().enterFocusMove = true;
  QVERIFY(accepted(Qt::Key_Escape));
  QVERIFY(!accepted(Qt::Key_F11));
}

// The Delete key carries the DEL character (127) as its text on X11; with
// Shift or Ctrl it is no editing key, and it types no character either, so
// it is neither refused with a beep nor kept from the window.
void OvNumEditTest::deleteWithModifierTypesNothing() {
  TOvNumEdit box;
  box.SetText("12");
  for (const Qt::KeyboardModifier modifier : {Qt::ShiftModifier, Qt::ControlModifier}) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, modifier, QStringLiteral("\x7f"));
    QCoreApplication::sendEvent(&box, &press);
    QVERIFY(!press.isAccepted());
  }
  QCOMPARE(box.text(), QStringLiteral("12"));
}

void OvNumEditTest::contextMenuCaptions() {
  TOvNumEdit box;
  const QStringList captions = {QStringLiteral("元に戻す(&U)"),
                                QString(),
                                QStringLiteral("切り取り(&T)"),
                                QStringLiteral("コピー(&C)"),
                                QStringLiteral("貼り付け(&P)"),
                                QStringLiteral("削除(&D)"),
                                QString(),
                                QStringLiteral("すべて選択(&A)")};
  QCOMPARE(box.EditMenu()->actions().size(), 8);
  for (int tag = 0; tag < 8; ++tag) {
    QCOMPARE(box.EditMenuItem(tag)->data().toInt(), tag);
    QCOMPARE(box.EditMenuItem(tag)->isSeparator(), captions[tag].isEmpty());
    QCOMPARE(box.EditMenuItem(tag)->text(), captions[tag]);
  }
}

void OvNumEditTest::contextMenuEnabling_data() {
  QTest::addColumn<QString>("value");
  QTest::addColumn<bool>("selected");
  QTest::addColumn<bool>("canUndo");
  QTest::addColumn<bool>("readOnly");
  QTest::addColumn<bool>("clipboardText");
  // Enabled states of Undo, Cut, Copy, Paste, Delete, Select all.
  QTest::addColumn<QList<bool>>("enabled");
  QTest::newRow("empty, fresh") << "" << false << false << false << false
                                << QList<bool>{false, false, false, false, false, false};
  QTest::newRow("value, nothing selected") << "12" << false << false << false << true
                                           << QList<bool>{false, false, false, true, false, true};
  QTest::newRow("value selected, undo") << "12" << true << true << false << false
                                        << QList<bool>{true, true, true, false, true, false};
  QTest::newRow("read-only selected: copy only")
      << "12" << true << true << true << true
      << QList<bool>{false, false, true, false, false, false};
  QTest::newRow("read-only unselected: select all")
      << "12" << false << true << true << true
      << QList<bool>{false, false, false, false, false, true};
}

void OvNumEditTest::contextMenuEnabling() {
  QFETCH(QString, value);
  QFETCH(bool, selected);
  QFETCH(bool, canUndo);
  QFETCH(bool, readOnly);
  QFETCH(bool, clipboardText);
  QFETCH(QList<bool>, enabled);
  Host host;
  host.FocusBox();
  if (canUndo) host.box->Model().SaveUndo();
  host.box->setText(value);
  if (clipboardText) QGuiApplication::clipboard()->setText(QStringLiteral("5"));
  if (selected) host.box->Model().SelectAll();
  host.box->Model().Behaviour().readOnly = readOnly;
  host.box->EditMenuPopup();
  const int tags[] = {0, 2, 3, 4, 5, 7};
  for (int i = 0; i < 6; ++i) {
    const QByteArray entry = "tag " + QByteArray::number(tags[i]);
    QVERIFY2(host.box->EditMenuItem(tags[i])->isEnabled() == enabled[i], entry.constData());
  }
}

void OvNumEditTest::contextMenuDeleteEmptiesValue() {
  Host host;
  host.box->SetText("12");
  host.FocusBox();
  host.box->EditMenuPopup();
  host.box->EditMenuItem(5)->trigger();
  QCOMPARE(host.box->text(), QString());
  host.box->EditMenuPopup();
  host.box->EditMenuItem(0)->trigger();  // Undo brings it back, selected
  QCOMPARE(host.box->text(), QStringLiteral("12"));
  QVERIFY(host.box->Model().Selected());
}

void OvNumEditTest::rectanglesFollowAlignment_data() {
  QTest::addColumn<ruvo::TAlignment>("alignment");
  QTest::newRow("right") << ruvo::taRightJustify;
  QTest::newRow("left") << ruvo::taLeftJustify;
  QTest::newRow("centre") << ruvo::taCenter;
}

// Marks 「￥」 and 「円」 around 「1,234」; expectations from the box's own
// measuring so they hold for any installed font.
void OvNumEditTest::rectanglesFollowAlignment() {
  QFETCH(ruvo::TAlignment, alignment);
  TOvNumEdit box;
  box.resize(160, 24);
  box.SetAlignment(alignment);
  box.SetLeftMark(Sj("￥"));
  box.SetRightMark(Sj("円"));
  box.SetText("1234");
  const int cw = box.ClientRect().width();
  const int l = box.TextWidth(Sj("￥"));
  const int w = box.TextWidth("1,234");
  const int r = box.TextWidth(Sj("円"));
  const int total = l + w + r;
  const int centre = 2 + (cw - 4) / 2;
  const int x0 = alignment == ruvo::taLeftJustify    ? 2
                 : alignment == ruvo::taRightJustify ? cw - 2 - 1 - total
                                                     : centre - total / 2;
  QCOMPARE(box.LeftMarkRect().left(), x0);
  QCOMPARE(box.LeftMarkRect().width(), l);
  QCOMPARE(box.NumberRect().left(), x0 + l);
  QCOMPARE(box.NumberRect().width(), w);
  const int rightMarkLeft = alignment == ruvo::taCenter ? centre + total / 2 - r : x0 + l + w;
  QCOMPARE(box.RightMarkRect().left(), rightMarkLeft);
  QCOMPARE(box.CaretPosition().x(), x0 + l + w - 1);
  QCOMPARE(box.DisplayText(), Sj("￥1,234円"));
}

// 「1.2」 with three fixed decimals shows 「1.200」; the caret stands after
// the typed 「2」, before the first added 「0」.
void OvNumEditTest::decimalFixedCaretStandsAfterTypedDecimals() {
  Host host;
  host.box->SetDecimalFixed(true);
  host.FocusBox();
  Type(host.box, QStringLiteral("1.2"));
  QCOMPARE(host.box->DisplayText(), std::string("1.200"));
  const QFontMetrics metrics(host.box->font());
  const int numberLeft = host.box->NumberRect().left();
  QCOMPARE(host.box->NumberRect().width(), host.box->TextWidth("1.200"));
  QCOMPARE(host.box->CaretPosition().x(),
           numberLeft + metrics.horizontalAdvance(QStringLiteral("1.2")));
  QVERIFY(host.box->CaretPosition().x() <
          numberLeft + metrics.horizontalAdvance(QStringLiteral("1.20")));
  QCOMPARE(host.box->CaretRect().topLeft(), host.box->CaretPosition());
}

void OvNumEditTest::emptyValueHidesMarksAndCaretSitsAtRightEdge() {
  Host host;
  host.box->SetLeftMark(Sj("￥"));
  host.FocusBox();
  QCOMPARE(host.box->DisplayText(), std::string());
  QCOMPARE(host.box->LeftMarkRect().width(), 0);
  QCOMPARE(host.box->CaretPosition().x(), host.box->ClientRect().width() - 2 - 2);
}

// A parented box with AutoSize: client height = TextHeight + 2 + 2, then
// following the top margin.
void OvNumEditTest::autoSizeHeightFollowsFont() {
  QWidget parent;
  TOvNumEdit box(&parent);
  const int textHeight = QFontMetrics(box.font()).height();
  QCOMPARE(box.TextHeight(), textHeight);
  QCOMPARE(box.ClientRect().height(), textHeight + 4);
  QCOMPARE(box.height(), textHeight + 4 + 4);  // the sunken edge
  box.SetTopMargin(5);
  QCOMPARE(box.ClientRect().height(), textHeight + 7);
  box.SetTopMargin(-1);  // ignored
  QCOMPARE(box.ClientRect().height(), textHeight + 7);
  QFont font = box.font();
  font.setPixelSize(30);
  box.setFont(font);
  QCOMPARE(box.ClientRect().height(), QFontMetrics(font).height() + 7);
}

void OvNumEditTest::fixedHeightStaysAndCentresLine() {
  QWidget parent;
  TOvNumEdit box(&parent);
  ApplyPreset(box, ruvo::num_presets::OvNumEdit_KOSUU());
  QCOMPARE(box.size(), QSize(35, 20));
  QCOMPARE(box.font().family(), QStringLiteral("IPAPGothic"));
  QCOMPARE(box.font().pixelSize(), 15);
  const int ch = box.ClientRect().height();
  QCOMPARE(box.NumberRect().top(), (ch - box.TextHeight() - 2) / 2 + 1);
  box.SetVertAlignment(ruvo::taBottomJustify);
  QCOMPARE(box.NumberRect().bottom() + 1, ch - 1);
}

void OvNumEditTest::fullWidthFromInputMethodTakenAsAscii_data() {
  QTest::addColumn<QString>("committed");
  QTest::addColumn<QString>("value");
  QTest::newRow("full-width five") << "５"
                                   << "5";
  QTest::newRow("digits, point, minus") << "１．５－"
                                        << "-1.5";
  QTest::newRow("full-width comma refused") << "１，２"
                                            << "12";
  QTest::newRow("kana refused") << "１あ"
                                << "1";
  QTest::newRow("ASCII passes") << "34"
                                << "34";
}

void OvNumEditTest::fullWidthFromInputMethodTakenAsAscii() {
  QFETCH(QString, committed);
  QFETCH(QString, value);
  Host host;
  host.FocusBox();
  CommitFromInputMethod(host.box, committed);
  QCOMPARE(host.box->text(), value);
}

// The focus moves once the key has been handled, not inside it.
void OvNumEditTest::enterMovesFocusAfterTheKey() {
  Host host;
  host.box->Model().Behaviour().enterFocusMove = true;
  host.FocusBox();
  QTest::keyClick(host.box, Qt::Key_Return);
  QVERIFY(host.box->hasFocus());
  QTRY_VERIFY(host.after->hasFocus());
}

void OvNumEditTest::modifiersChangeWhatEnterTypes_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<bool>("accepted");  // typed a character (moved or refused)
  QTest::addColumn<bool>("moved");
  QTest::newRow("Enter moves") << int(Qt::Key_Return) << int(Qt::NoModifier) << true << true;
  QTest::newRow("Shift+Enter is Enter")
      << int(Qt::Key_Return) << int(Qt::ShiftModifier) << true << true;
  // Ctrl+Enter types a line feed, which is refused.
  QTest::newRow("Ctrl+Enter refused")
      << int(Qt::Key_Return) << int(Qt::ControlModifier) << true << false;
  // Alt+Enter is a menu key and types nothing.
  QTest::newRow("Alt+Enter to the window")
      << int(Qt::Key_Return) << int(Qt::AltModifier) << false << false;
  // Ctrl+Shift+Z types Ctrl+Z, an ordinary refused character.
  QTest::newRow("Ctrl+Shift+Z refused")
      << int(Qt::Key_Z) << int(Qt::ControlModifier | Qt::ShiftModifier) << true << false;
}

// With EnterFocusMove the box wants every key; which character a key types
// decides whether it moves the focus, is refused or goes on to the window.
void OvNumEditTest::modifiersChangeWhatEnterTypes() {
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(bool, accepted);
  QFETCH(bool, moved);
  Host host;
  host.box->Model().Behaviour().enterFocusMove = true;
  host.box->SetText("5");
  host.FocusBox();
  QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers));
  QCoreApplication::sendEvent(host.box, &press);
  QCOMPARE(press.isAccepted(), accepted);
  QCoreApplication::sendPostedEvents();  // the focus move the box posted
  QCOMPARE(host.after->hasFocus(), moved);
  QCOMPARE(host.box->text(), QStringLiteral("5"));
}

void OvNumEditTest::arrowsMoveFocusOnlyWhenAllowed_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<bool>("arrowFocusMove");
  QTest::addColumn<QString>("focused");
  QTest::newRow("up to the previous") << int(Qt::Key_Up) << true << "before";
  QTest::newRow("down to the next") << int(Qt::Key_Down) << true << "after";
  QTest::newRow("up stays without ArrowFocusMove") << int(Qt::Key_Up) << false << "box";
  QTest::newRow("down stays without ArrowFocusMove") << int(Qt::Key_Down) << false << "box";
}

void OvNumEditTest::arrowsMoveFocusOnlyWhenAllowed() {
  QFETCH(int, key);
  QFETCH(bool, arrowFocusMove);
  QFETCH(QString, focused);
  Host host;
  host.before->setObjectName(QStringLiteral("before"));
  host.box->setObjectName(QStringLiteral("box"));
  host.after->setObjectName(QStringLiteral("after"));
  host.box->Model().Behaviour().arrowFocusMove = arrowFocusMove;
  host.box->SetText("5");
  host.FocusBox();
  QTest::keyClick(host.box, Qt::Key(key));
  QVERIFY(!host.box->Model().Selected());
  QCoreApplication::sendPostedEvents();  // the focus move the box posted
  QCOMPARE(QApplication::focusWidget()->objectName(), focused);
}

void OvNumEditTest::caretLivesWhileFocused() {
  Host host;
  QVERIFY(!host.box->HasCaret());
  host.FocusBox();
  QVERIFY(host.box->HasCaret());
  QCOMPARE(host.box->CaretRect().size(), QSize(1, host.box->TextHeight()));
  host.after->setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
  QVERIFY(!host.box->HasCaret());
  QVERIFY(host.box->CaretRect().isEmpty());
}

void OvNumEditTest::boldFontWhileFocusedWidensCaret() {
  Host host;
  host.FocusBox();
  QFont font = host.box->font();
  font.setBold(true);
  host.box->setFont(font);
  QVERIFY(host.box->HasCaret());
  QCOMPARE(host.box->CaretRect().width(), 2);
}

// A box made inside a bold-faced window inherits the bold face without a
// font change of its own; its caret is still the bold one.
void OvNumEditTest::boldParentFontGivesWideCaret() {
  Host host;
  QWidget panel(&host.window);
  QFont font = panel.font();
  font.setBold(true);
  panel.setFont(font);
  TOvNumEdit* box = new TOvNumEdit(&panel);
  panel.show();
  box->setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
  QVERIFY(box->font().bold());
  QCOMPARE(box->CaretRect().width(), 2);
}

// The focus moved on inside a window that another window had made inactive
// (a message box, say): the next time the box gets the focus is a real
// entry again, with OnEnter and AutoSelect.
void OvNumEditTest::focusMovedWhileWindowInactiveEntersAgain() {
  Host host;
  host.box->SetText("123");
  host.FocusBox();
  QWidget other;
  other.show();
  other.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&other));
  host.after->setFocus(Qt::OtherFocusReason);
  QSignalSpy exits(host.box, &TOvNumEdit::exited);
  host.window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&host.window));
  QTRY_VERIFY(host.after->hasFocus());
  QCOMPARE(exits.count(), 1);
  host.box->Model().ClearSelection();
  QSignalSpy enters(host.box, &TOvNumEdit::entered);
  host.FocusBox();
  QCOMPARE(enters.count(), 1);
  QVERIFY(host.box->Model().Selected());
}

// A selection kept while another window is active is still drawn in the
// system highlight colours, not the faded ones of an inactive window.
void OvNumEditTest::selectionKeepsHighlightInInactiveWindow() {
  Host host;
  QPalette palette = host.box->palette();
  palette.setColor(QPalette::Active, QPalette::Highlight, QColor(0, 0, 200));
  palette.setColor(QPalette::Inactive, QPalette::Highlight, QColor(200, 200, 200));
  host.box->setPalette(palette);
  host.box->SetText("888");
  host.FocusBox();
  QWidget other;
  other.show();
  other.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&other));
  QVERIFY(host.box->Model().Selected());
  const QRect number = host.box->NumberRect().translated(host.box->ClientRect().topLeft());
  QVERIFY(HasPixelOf(host.box->grab().toImage(), number, QColor(0, 0, 200)));
}

void OvNumEditTest::loneMinusEmptiedOnExitWithoutChange() {
  Host host;
  host.FocusBox();
  Type(host.box, QStringLiteral("-"));
  QSignalSpy changes(host.box, &TOvNumEdit::changed);
  QSignalSpy exits(host.box, &TOvNumEdit::exited);
  host.after->setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
  QCOMPARE(host.box->text(), QString());
  QCOMPARE(changes.count(), 0);
  QCOMPARE(exits.count(), 1);
}

// Focus by a left click ends with nothing selected, though AutoSelect
// selected everything when the focus arrived.
void OvNumEditTest::leftClickClearsTabSelection() {
  Host host;
  host.box->SetText("123");
  host.before->setFocus();
  QTest::mouseClick(host.box, Qt::LeftButton, {}, host.box->rect().center());
  QVERIFY(host.box->hasFocus());
  QVERIFY(!host.box->Model().Selected());
}

// Focus by a right click keeps the AutoSelect selection, so the menu offers
// Cut, Copy and Delete.
void OvNumEditTest::rightClickKeepsSelectionForMenu() {
  Host host;
  host.box->SetText("123");
  host.before->setFocus();
  QTest::mousePress(host.box, Qt::RightButton, {}, host.box->rect().center());
  QVERIFY(host.box->Model().Selected());
  host.box->EditMenuPopup();
  QVERIFY(host.box->EditMenuItem(2)->isEnabled());
  QVERIFY(host.box->EditMenuItem(5)->isEnabled());
  QTest::mouseRelease(host.box, Qt::RightButton, {}, host.box->rect().center());
}

// Another window (or the open context menu) taking the keyboard is no exit:
// the selection stays and no exit or enter is reported; only the caret goes
// and comes back.
void OvNumEditTest::windowSwitchKeepsSelectionAndCaretFollows() {
  Host host;
  host.box->SetText("-");
  host.FocusBox();
  QSignalSpy exits(host.box, &TOvNumEdit::exited);
  QSignalSpy enters(host.box, &TOvNumEdit::entered);
  for (const Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
    QFocusEvent out(QEvent::FocusOut, reason);
    QCoreApplication::sendEvent(host.box, &out);
    QCOMPARE(host.box->HasCaret(), reason == Qt::PopupFocusReason);
    QFocusEvent in(QEvent::FocusIn, reason);
    QCoreApplication::sendEvent(host.box, &in);
    QVERIFY(host.box->HasCaret());
  }
  QVERIFY(host.box->Model().Selected());
  QCOMPARE(host.box->text(), QStringLiteral("-"));
  QCOMPARE(exits.count() + enters.count(), 0);
}

void OvNumEditTest::doubleClickSelectionSurvives() {
  Host host;
  host.box->SetText("123");
  host.FocusBox();
  host.box->Model().ClearSelection();
  QTest::mouseDClick(host.box, Qt::LeftButton, {}, host.box->rect().center());
  QVERIFY(host.box->Model().Selected());
  QTest::mouseClick(host.box, Qt::LeftButton, {}, host.box->rect().center());
  QVERIFY(!host.box->Model().Selected());  // a later click clears it again
}

void OvNumEditTest::dragAcrossNumberSelectsAll() {
  Host host;
  host.box->SetText("123");
  host.FocusBox();
  host.box->repaint();  // NumberBounds come from the last paint
  const QPoint origin = host.box->ClientRect().topLeft();
  const QRect number = host.box->NumberBounds().translated(origin);
  const int y = number.center().y();
  QTest::mousePress(host.box, Qt::LeftButton, {}, QPoint(2, y));
  QTest::mouseMove(host.box, QPoint(number.left() - 1, y));
  QVERIFY(!host.box->Model().Selected());
  QTest::mouseMove(host.box, QPoint(number.left() + 1, y));
  QVERIFY(host.box->Model().Selected());
  QTest::mouseRelease(host.box, Qt::LeftButton, {}, QPoint(number.left() + 1, y));
}

// Disabled, the selected value is drawn in DisabledColor on Color.
void OvNumEditTest::disabledSelectionDrawsNoHighlight() {
  Host host;
  host.box->SetText("888");
  host.box->Model().SelectAll();
  const QColor highlight = host.box->palette().color(QPalette::Highlight);
  const QRect number = host.box->NumberRect().translated(host.box->ClientRect().topLeft());
  QVERIFY(HasPixelOf(host.box->grab().toImage(), number, highlight));
  host.box->SetDisabledColor(QColor(0, 160, 0));
  host.box->setEnabled(false);
  const QImage disabled = host.box->grab().toImage();
  QVERIFY(!HasPixelOf(disabled, number, highlight));
  QVERIFY(HasPixelOf(disabled, number, QColor(0, 160, 0)));
}

QTEST_MAIN(OvNumEditTest)
#include "ov_num_edit_test.moc"
