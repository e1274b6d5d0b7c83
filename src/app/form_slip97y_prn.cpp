#include "app/form_slip97y_prn.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "app/message_boxes.h"
#include "app/window_kit.h"
#include "numedit/num_edit_presets.h"
#include "print/slip_units.h"
#include "qt_text/qt_text.h"
#include "widgets/ov_num_edit.h"
#include "widgets/ov_num_edit_presets.h"

namespace ruvo::app {
namespace {

constexpr double kMmPerInch = 25.4;
constexpr int kMargin = 6;    // around the group and the button, in the group beside the figures
constexpr int kMmLeft = 134;  // the figures start right of the fields

// The widest figure a margin shows: two digits of millimetres, negative.
const QString kWidestFigure = QStringLiteral("-99.99 mm");

QLabel* MakeMmLabel(QWidget* parent, const char* name, int top) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(WindowFont(10));
  label->setGeometry(kMmLeft, top, label->fontMetrics().horizontalAdvance(kWidestFigure) + 2, 20);
  return label;
}

QLabel* MakeCaption(QWidget* parent, const char* name, int top, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(4, top, 74, 20);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

}  // namespace

MarginOnPaperText MarginOnPaper(const std::string& dotsText, int dpi) {
  int dots = 0;
  try {
    dots = MarginTextToInt(dotsText);
  } catch (const ConversionError&) {
    return {QStringLiteral("整数で"),
            QStringLiteral("整数で入力してください (小数点や「-」だけでは印刷できません)")};
  }
  if (dpi <= 0) return {QStringLiteral("? mm"), QStringLiteral("プリンタの解像度が分かりません")};
  const QString mm = QStringLiteral("%1 mm").arg(dots * kMmPerInch / dpi, 0, 'f', 2);
  return {mm, QStringLiteral("%1 dots = %2 at %3 dpi").arg(dots).arg(mm).arg(dpi)};
}

TForm_SLIP97YPrn::TForm_SLIP97YPrn(MessageBoxes& boxes,
                                   std::function<void(const Margins&)> registerMargins,
                                   QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      guard_(boxes, this),
      registerMargins_(std::move(registerMargins)) {
  setObjectName(QStringLiteral("Form_SLIP97YPrn"));
  setWindowTitle(QStringLiteral("印字位置調整"));
  GroupBox1 = new QGroupBox(QStringLiteral("印字位置調整セット"), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  GroupBox1->setFont(WindowFont(12));
  MakeCaption(GroupBox1, "Label_Top", 15, QStringLiteral("TOPﾏｰｼﾞﾝ"));
  MakeCaption(GroupBox1, "Label_Left", 39, QStringLiteral("LEFTﾏｰｼﾞﾝ"));
  OvNumEdit_TOP = new TOvNumEdit(GroupBox1);
  ApplyNumEditInstance(*OvNumEdit_TOP, num_presets::OvNumEdit_TOP());
  OvNumEdit_LEFT = new TOvNumEdit(GroupBox1);
  ApplyNumEditInstance(*OvNumEdit_LEFT, num_presets::OvNumEdit_LEFT());
  Label_TopMm = MakeMmLabel(GroupBox1, "Label_TopMm", 15);
  Label_LeftMm = MakeMmLabel(GroupBox1, "Label_LeftMm", 39);
  // One size for every showing, wide enough for the figures: the group
  // ends a margin after them, the dialog a margin after the group.
  const int groupWidth = Label_TopMm->geometry().right() + 1 + kMargin;
  GroupBox1->setGeometry(kMargin, 2, groupWidth, 70);
  BitBtn_MRGN = MakeGlyphButton(this, {.name = "BitBtn_MRGN",
                                       .rect = {kMargin, 78, groupWidth, 26},
                                       .glyph = Glyph::kSave,
                                       .caption = QStringLiteral("印字位置登録")});
  setFixedSize(groupWidth + 2 * kMargin, BitBtn_MRGN->geometry().bottom() + 1 + kMargin);
  ChainTabOrder({OvNumEdit_TOP, OvNumEdit_LEFT, BitBtn_MRGN});
  OvNumEdit_TOP->installEventFilter(this);
  OvNumEdit_LEFT->installEventFilter(this);
  for (TOvNumEdit* margin : {OvNumEdit_TOP, OvNumEdit_LEFT})
    ConnectGuarded(guard_, margin, &TOvNumEdit::changed, this, [this] { ShowOnPaper(); });
  ConnectGuarded(guard_, BitBtn_MRGN, &QPushButton::clicked, this, [this] { RegisterMargins(); });
}

void TForm_SLIP97YPrn::Prepare(const Margins& margins, Resolution dpi) {
  dpi_ = dpi;
  OvNumEdit_TOP->SetText(margins.top);
  OvNumEdit_LEFT->SetText(margins.left);
  ShowOnPaper();
  OvNumEdit_TOP->setFocus(Qt::OtherFocusReason);
}

void TForm_SLIP97YPrn::Execute(const Margins& margins, Resolution dpi) {
  Prepare(margins, dpi);
  exec();
}

Margins TForm_SLIP97YPrn::Values() const {
  return {OvNumEdit_TOP->GetText(), OvNumEdit_LEFT->GetText()};
}

// Centred over the window that opened it, each time it is shown.
void TForm_SLIP97YPrn::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (parentWidget() != nullptr) {
    QRect placed = frameGeometry();
    placed.moveCenter(parentWidget()->window()->frameGeometry().center());
    move(placed.topLeft());
  }
}

// The dots of each margin on paper: down for the top margin, across for the
// left; the tooltip says it whole.
void TForm_SLIP97YPrn::ShowOnPaper() {
  const auto show = [](QLabel& label, const MarginOnPaperText& text) {
    label.setText(text.brief);
    label.setToolTip(text.line);
  };
  show(*Label_TopMm, MarginOnPaper(OvNumEdit_TOP->GetText(), dpi_.y));
  show(*Label_LeftMm, MarginOnPaper(OvNumEdit_LEFT->GetText(), dpi_.x));
}

void TForm_SLIP97YPrn::RegisterMargins() {
  if (!guard_.Boxes().Ask(this, QStringLiteral("印字位置調整の余白を登録しますか?"))) return;
  registerMargins_(Values());
  accept();
}

// Enter goes on to the next control; Up in the left margin goes back to the
// top margin and does nothing in the top margin.
bool TForm_SLIP97YPrn::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    focusNextPrevChild(true);
    return true;
  }
  if (key == Qt::Key_Up && watched == OvNumEdit_LEFT) {
    focusNextPrevChild(false);
    return true;
  }
  return false;
}

}  // namespace ruvo::app
