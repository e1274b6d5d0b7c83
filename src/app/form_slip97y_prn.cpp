#include "app/form_slip97y_prn.h"

#include <QDoubleSpinBox>
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

constexpr int kMargin = 6;      // around the group and the buttons, in the group beside the figures
constexpr int kRowHeight = 24;  // from one row of the group to the next
constexpr int kFirstRow = 15;
constexpr int kFieldLeft = 82;  // the dot fields' and the scales' left edge
constexpr int kMmLeft = 136;    // the millimetres start right of the dot fields
constexpr int kButtonHeight = 26;

// The widest figures: a margin of three digits of millimetres, negative,
// and the largest scale, each with the spin box's arrows beside it.
const QString kWidestMm = QStringLiteral("-999.99 mm");
const QString kWidestScale = QStringLiteral("200.0 %");
constexpr int kArrowsWidth = 26;

int RowTop(int row) {
  return kFirstRow + row * kRowHeight;
}

QLabel* MakeCaption(QWidget* parent, const char* name, int row, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(4, RowTop(row), 74, 20);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

struct SpinSpec {
  const char* name;
  QPoint at;
  const QString& widest;
  QString suffix;
  double minimum;
  double maximum;
  int decimals;
  QString hint;
};

// Steps of 0.1 with the arrows or the Up and Down keys; any value of its
// decimals can be typed.
QDoubleSpinBox* MakeSpin(QWidget* parent, const SpinSpec& def) {
  auto* spin = new QDoubleSpinBox(parent);
  spin->setObjectName(QString::fromLatin1(def.name));
  spin->setFont(WindowFont(10));
  spin->setDecimals(def.decimals);
  spin->setRange(def.minimum, def.maximum);
  spin->setSingleStep(0.1);
  spin->setSuffix(def.suffix);
  spin->setToolTip(def.hint);
  spin->setAccelerated(true);
  const int width = spin->fontMetrics().horizontalAdvance(def.widest) + kArrowsWidth;
  spin->setGeometry(def.at.x(), def.at.y(), width, 20);
  return spin;
}

int PerMilleOf(const QDoubleSpinBox& spin) {
  return static_cast<int>(RoundOff(static_cast<long double>(spin.value()) * 10));
}

}  // namespace

MarginOnPaperText MarginOnPaper(const std::string& dotsText, int dpi) {
  int dots = 0;
  try {
    dots = MarginTextToInt(dotsText);
  } catch (const ConversionError&) {
    return {std::nullopt,
            QStringLiteral("整数で入力してください (小数点や「-」だけでは印刷できません)")};
  }
  if (dpi <= 0) return {std::nullopt, QStringLiteral("プリンタの解像度が分かりません")};
  const QString mm = QString::fromStdString(DotsToMmText(dots, dpi));
  return {DotsToMm(dots, dpi),
          QStringLiteral("%1 dots = %2 mm at %3 dpi").arg(dots).arg(mm).arg(dpi)};
}

TForm_SLIP97YPrn::TForm_SLIP97YPrn(MessageBoxes& boxes, Actions actions, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      guard_(boxes, this),
      actions_(std::move(actions)) {
  setObjectName(QStringLiteral("Form_SLIP97YPrn"));
  setWindowTitle(QStringLiteral("印字位置調整"));
  MakeControls();
  ConnectControls();
}

// The group holds a row per margin (dots, then millimetres) and per axis of
// the scale; the print buttons and the register button stand under it. One
// size for every showing, wide enough for the widest figures.
void TForm_SLIP97YPrn::MakeControls() {
  GroupBox1 = new QGroupBox(QStringLiteral("印字位置調整セット"), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  GroupBox1->setFont(WindowFont(12));
  MakeCaption(GroupBox1, "Label_Top", 0, QStringLiteral("TOPﾏｰｼﾞﾝ"));
  MakeCaption(GroupBox1, "Label_Left", 1, QStringLiteral("LEFTﾏｰｼﾞﾝ"));
  MakeCaption(GroupBox1, "Label_ScaleX", 2, QStringLiteral("横の倍率"));
  MakeCaption(GroupBox1, "Label_ScaleY", 3, QStringLiteral("縦の倍率"));
  OvNumEdit_TOP = new TOvNumEdit(GroupBox1);
  ApplyNumEditInstance(*OvNumEdit_TOP, num_presets::OvNumEdit_TOP());
  OvNumEdit_LEFT = new TOvNumEdit(GroupBox1);
  ApplyNumEditInstance(*OvNumEdit_LEFT, num_presets::OvNumEdit_LEFT());
  const QString mmHint = QStringLiteral("ミリ単位でも入力できます (0.1 mm ずつ)");
  SpinBox_TopMm = MakeSpin(GroupBox1, {"SpinBox_TopMm",
                                       {kMmLeft, RowTop(0)},
                                       kWidestMm,
                                       QStringLiteral(" mm"),
                                       -999.99,
                                       999.99,
                                       2,
                                       mmHint});
  SpinBox_LeftMm = MakeSpin(GroupBox1, {"SpinBox_LeftMm",
                                        {kMmLeft, RowTop(1)},
                                        kWidestMm,
                                        QStringLiteral(" mm"),
                                        -999.99,
                                        999.99,
                                        2,
                                        mmHint});
  const QString scaleHint =
      QStringLiteral("送りで用紙が伸び縮みするプリンタの補正 (用紙の左上を基点に 0.1 % ずつ)");
  const double minimum = kMinScalePerMille / 10.0;
  const double maximum = kMaxScalePerMille / 10.0;
  SpinBox_ScaleX = MakeSpin(GroupBox1, {"SpinBox_ScaleX",
                                        {kFieldLeft, RowTop(2)},
                                        kWidestScale,
                                        QStringLiteral(" %"),
                                        minimum,
                                        maximum,
                                        1,
                                        scaleHint});
  SpinBox_ScaleY = MakeSpin(GroupBox1, {"SpinBox_ScaleY",
                                        {kFieldLeft, RowTop(3)},
                                        kWidestScale,
                                        QStringLiteral(" %"),
                                        minimum,
                                        maximum,
                                        1,
                                        scaleHint});
  const int groupWidth = SpinBox_TopMm->geometry().right() + 1 + kMargin;
  GroupBox1->setGeometry(kMargin, 2, groupWidth, RowTop(4) + kMargin);
  const int printTop = GroupBox1->geometry().bottom() + 1 + kMargin;
  const int half = (groupWidth - kMargin) / 2;
  BitBtn_TestSheet = MakeGlyphButton(
      this,
      {.name = "BitBtn_TestSheet",
       .rect = {kMargin, printTop, half, kButtonHeight},
       .caption = QStringLiteral("テスト印字"),
       .hint = QStringLiteral("普通紙に枠・十字・ものさしを印刷し、ずれをミリで読み取ります")});
  BitBtn_Proof =
      MakeGlyphButton(this, {.name = "BitBtn_Proof",
                             .rect = {kMargin + groupWidth - half, printTop, half, kButtonHeight},
                             .caption = QStringLiteral("確認印刷"),
                             .hint = QStringLiteral("いまの送り状を枠と一緒に普通紙に印刷します")});
  BitBtn_MRGN = MakeGlyphButton(
      this, {.name = "BitBtn_MRGN",
             .rect = {kMargin, printTop + kButtonHeight + kMargin, groupWidth, kButtonHeight},
             .glyph = Glyph::kSave,
             .caption = QStringLiteral("印字位置登録")});
  setFixedSize(groupWidth + 2 * kMargin, BitBtn_MRGN->geometry().bottom() + 1 + kMargin);
  ChainTabOrder({OvNumEdit_TOP, SpinBox_TopMm, OvNumEdit_LEFT, SpinBox_LeftMm, SpinBox_ScaleX,
                 SpinBox_ScaleY, BitBtn_MRGN, BitBtn_TestSheet, BitBtn_Proof});
}

void TForm_SLIP97YPrn::ConnectControls() {
  for (QWidget* field :
       std::initializer_list<QWidget*>{OvNumEdit_TOP, OvNumEdit_LEFT, SpinBox_TopMm, SpinBox_LeftMm,
                                       SpinBox_ScaleX, SpinBox_ScaleY})
    field->installEventFilter(this);
  for (TOvNumEdit* margin : {OvNumEdit_TOP, OvNumEdit_LEFT})
    ConnectGuarded(guard_, margin, &TOvNumEdit::changed, this, [this] { ShowOnPaper(); });
  ConnectGuarded(guard_, SpinBox_TopMm, &QDoubleSpinBox::valueChanged, this,
                 [this] { MmTyped(*SpinBox_TopMm, *OvNumEdit_TOP, dpi_.y); });
  ConnectGuarded(guard_, SpinBox_LeftMm, &QDoubleSpinBox::valueChanged, this,
                 [this] { MmTyped(*SpinBox_LeftMm, *OvNumEdit_LEFT, dpi_.x); });
  // Once typing ends, the millimetres show the dot they were rounded to.
  for (QDoubleSpinBox* mm : {SpinBox_TopMm, SpinBox_LeftMm})
    ConnectGuarded(guard_, mm, &QDoubleSpinBox::editingFinished, this, [this] { ShowOnPaper(); });
  const auto on = [this](QPushButton* button,
                         const std::function<void(const PrintPosition&)>& act) {
    ConnectGuarded(guard_, button, &QPushButton::clicked, this, [this, &act] {
      if (act) act(Values());
    });
  };
  on(BitBtn_TestSheet, actions_.printTestSheet);
  on(BitBtn_Proof, actions_.printProof);
  ConnectGuarded(guard_, BitBtn_MRGN, &QPushButton::clicked, this, [this] { RegisterPosition(); });
}

void TForm_SLIP97YPrn::Prepare(const PrintPosition& position, Resolution dpi) {
  dpi_ = dpi;
  given_ = position;
  const auto show = [](QDoubleSpinBox& spin, const std::string& text) {
    int perMille = kScaleUnity;
    try {
      perMille = ScaleTextToPerMille(text);
    } catch (const std::exception&) {
      perMille = kScaleUnity;  // printing says what is wrong with it
    }
    const QSignalBlocker quiet(spin);
    spin.setValue(perMille / 10.0);
    return PerMilleOf(spin);
  };
  shownScaleX_ = show(*SpinBox_ScaleX, position.scaleX);
  shownScaleY_ = show(*SpinBox_ScaleY, position.scaleY);
  OvNumEdit_TOP->SetText(position.top);
  OvNumEdit_LEFT->SetText(position.left);
  ShowOnPaper();
  OvNumEdit_TOP->setFocus(Qt::OtherFocusReason);
}

void TForm_SLIP97YPrn::Execute(const PrintPosition& position, Resolution dpi) {
  Prepare(position, dpi);
  exec();
}

std::string TForm_SLIP97YPrn::ScaleText(const QDoubleSpinBox& spin,
                                        const std::string& given) const {
  const int shown = &spin == SpinBox_ScaleX ? shownScaleX_ : shownScaleY_;
  const int perMille = PerMilleOf(spin);
  return perMille == shown ? given : std::to_string(perMille);
}

PrintPosition TForm_SLIP97YPrn::Values() const {
  return {OvNumEdit_TOP->GetText(), OvNumEdit_LEFT->GetText(),
          ScaleText(*SpinBox_ScaleX, given_.scaleX), ScaleText(*SpinBox_ScaleY, given_.scaleY)};
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

// Down for the top margin, across for the left. A margin that cannot be
// converted leaves its millimetres empty and disabled; the tooltip says
// why.
void TForm_SLIP97YPrn::ShowOnPaper() {
  const auto show = [this](QDoubleSpinBox& spin, const MarginOnPaperText& text) {
    spin.setToolTip(text.line);
    if (&spin == typing_) return;
    const QSignalBlocker quiet(spin);
    spin.setEnabled(text.mm.has_value());
    if (text.mm) {
      spin.setValue(*text.mm);
    } else {
      spin.clear();
    }
  };
  show(*SpinBox_TopMm, MarginOnPaper(OvNumEdit_TOP->GetText(), dpi_.y));
  show(*SpinBox_LeftMm, MarginOnPaper(OvNumEdit_LEFT->GetText(), dpi_.x));
}

void TForm_SLIP97YPrn::MmTyped(const QDoubleSpinBox& mm, TOvNumEdit& dots, int dpi) {
  if (dpi <= 0) return;
  typing_ = &mm;
  const struct Done {
    const QDoubleSpinBox*& typing;
    ~Done() { typing = nullptr; }
  } done{typing_};
  dots.SetText(std::to_string(MmToDots(mm.value(), dpi)));
}

void TForm_SLIP97YPrn::RegisterPosition() {
  if (!guard_.Boxes().Ask(this, QStringLiteral("印字位置調整の余白を登録しますか?"))) return;
  actions_.registerPosition(Values());
  accept();
}

// Enter goes on to the next control, the millimetres left showing the dot
// they were rounded to. Up in the left margin goes back to
// the top margin and does nothing in the top margin; in the millimetres and
// scales it steps the value.
bool TForm_SLIP97YPrn::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (watched == SpinBox_TopMm || watched == SpinBox_LeftMm) ShowOnPaper();
    focusNextPrevChild(true);
    return true;
  }
  if (key == Qt::Key_Up && watched == OvNumEdit_LEFT) {
    OvNumEdit_TOP->setFocus(Qt::BacktabFocusReason);
    return true;
  }
  return false;
}

}  // namespace ruvo::app
