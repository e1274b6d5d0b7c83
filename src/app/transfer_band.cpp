#include "app/transfer_band.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

#include "app/handler_guard.h"
#include "app/window_kit.h"
#include "qt_text/qt_text.h"
#include "transfer/mail_transfer.h"

namespace ruvo::app {
namespace {

const QColor kSilver(192, 192, 192);

}  // namespace

TransferBand::TransferBand(HandlerGuard& guard, QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("Panel3"));
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setGeometry(0, 0, 682, 130);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setGeometry(114, 4, 474, 108);
  Memo1->setFont(WindowFont(13));
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  Memo1->setFocusPolicy(Qt::ClickFocus);
  Memo1->setToolTip(QStringLiteral(
      "ここにお届け先の住所、お名前等のテキストを貼り付けると、お届け先欄に転送が可能です　"
      "(15行以内に収まるようにして下さい)"));
  Memo1->setAutoFillBackground(true);
  Memo1->installEventFilter(this);
  ShowEmpty();

  BitBtn_1 = MakeGlyphButton(this, {.name = "BitBtn_1",
                                    .rect = {55, 23, 39, 39},
                                    .glyph = Glyph::kTransfer,
                                    .hint = QStringLiteral("お届け先にテキストデータを転送します"),
                                    .tabStop = false});
  MakeLabel(this, {"Label1", {33, 64}, QStringLiteral("テキスト転送"), 12});
  MakeLabel(this, {.name = "Label8",
                   .at = {114, 116},
                   .text = QStringLiteral("↑↑ここクリップボードから貼り付けが、可能です　"
                                          "(　15行以内に収めてください　)↑↑"),
                   .font = 11,
                   .bold = true});
  BitBtn_MemoCLS = MakeGlyphButton(this, {.name = "BitBtn_MemoCLS",
                                          .rect = {610, 90, 39, 21},
                                          .glyph = Glyph::kClear,
                                          .hint = QStringLiteral("メモをクリアします"),
                                          .tabStop = false});
  MakeLabel(this, {"Label12", {606, 114}, QStringLiteral("Memoｸﾘｱ"), 12});

  ConnectGuarded(guard, Memo1, &QPlainTextEdit::textChanged, this, [this] { ShowEmpty(); });
  ConnectGuarded(guard, BitBtn_MemoCLS, &QPushButton::clicked, this, [this] { Clear(); });
  connect(BitBtn_1, &QPushButton::clicked, this, &TransferBand::transferRequested);
}

void TransferBand::ShowEmpty() {
  QPalette palette = Memo1->palette();
  const bool empty = Memo1->document()->isEmpty();
  palette.setColor(QPalette::Base, empty ? kSilver : QPalette().color(QPalette::Base));
  Memo1->setPalette(palette);
}

bool TransferBand::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Memo1 && event->type() == QEvent::FocusIn) emit memoEntered();
  return false;
}

MemoLines TransferBand::Lines(std::size_t& replaced) const {
  MemoLines lines;
  const QTextDocument* document = Memo1->document();
  // A last empty block after a final line break is no line.
  int blocks = document->blockCount();
  if (blocks > 0 && document->lastBlock().length() <= 1) --blocks;
  blocks = std::min(blocks, static_cast<int>(kMailLineLimit));
  lines.reserve(static_cast<std::size_t>(blocks));
  QTextBlock block = document->begin();
  for (int i = 0; i < blocks; ++i, block = block.next()) {
    // A line longer than the transfer reads is cut here already; the
    // reader then cuts it at a whole character.
    const QString text = block.text().left(static_cast<qsizetype>(kMemoLineReadLimit));
    Cp932Text line = QStringToCp932(text);
    replaced += line.replaced;
    lines.push_back(std::move(line.bytes));
  }
  return lines;
}

void TransferBand::SetLines(const MemoLines& lines) {
  QStringList texts;
  for (const std::string& line : lines)
    texts << Cp932ToQString(line);
  // An edit rather than setPlainText, which would forget the undo history.
  QTextCursor cursor(Memo1->document());
  cursor.beginEditBlock();
  cursor.select(QTextCursor::Document);
  cursor.insertText(texts.join(u'\n'));
  cursor.endEditBlock();
  Memo1->moveCursor(QTextCursor::Start);
  Memo1->ensureCursorVisible();
}

void TransferBand::Clear() {
  Memo1->clear();
}

}  // namespace ruvo::app
