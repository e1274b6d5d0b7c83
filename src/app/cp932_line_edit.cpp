#include "app/cp932_line_edit.h"

#include <QFocusEvent>
#include <QValidator>
#include <algorithm>

#include "widgets/qt_text.h"

namespace ruvo::app {
namespace {

const QString kGeta = QStringLiteral("〓");

qsizetype FirstLineBreak(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text.at(i).unicode();
    if (c == u'\r' || c == u'\n' || c == u'\u2028' || c == u'\u2029') return i;
  }
  return text.size();
}

bool IsControl(char16_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// The characters of `text` one by one (a surrogate pair is one character).
template <typename Visit>
void ForEachCharacter(const QString& text, Visit visit) {
  for (qsizetype i = 0; i < text.size();) {
    const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    visit(QStringView(text).mid(i, length));
    i += length;
  }
}

QString WithoutControls(const QString& text, int& dropped) {
  QString kept;
  kept.reserve(text.size());
  for (const QChar c : text) {
    if (c == u'\t') {
      kept += u' ';
    } else if (IsControl(c.unicode())) {
      ++dropped;
    } else {
      kept += c;
    }
  }
  return kept;
}

// Characters CP932 lacks as "〓"; the text is kept as typed otherwise (a
// "¥" stays "¥" on screen although it is stored as 0x5C).
QString WithGetaMarks(const QString& text, int& replaced) {
  if (QStringToCp932(text).replaced == 0) return text;
  QString marked;
  ForEachCharacter(text, [&](QStringView c) {
    if (QStringToCp932(c.toString()).replaced == 0) {
      marked += c;
    } else {
      marked += kGeta;
      ++replaced;
    }
  });
  return marked;
}

QString CutToBytes(const QString& text, std::size_t roomBytes, int& cut) {
  QString fitting;
  std::size_t used = 0;
  bool full = false;
  ForEachCharacter(text, [&](QStringView c) {
    const std::size_t bytes = Cp932ByteCount(c);
    if (full || used + bytes > roomBytes) {
      full = true;
      cut += static_cast<int>(bytes);
      return;
    }
    used += bytes;
    fitting += c;
  });
  return fitting;
}

}  // namespace

std::size_t Cp932ByteCount(QStringView text) {
  return QStringToCp932(text.toString()).bytes.size();
}

FieldInsertion FitFieldInsertion(const QString& inserted, std::size_t roomBytes) {
  FieldInsertion fit;
  const qsizetype lineEnd = FirstLineBreak(inserted);
  fit.dropped = static_cast<int>(inserted.size() - lineEnd);
  fit.text = WithoutControls(inserted.left(lineEnd), fit.dropped);
  fit.text = WithGetaMarks(fit.text, fit.replaced);
  if (roomBytes != std::string::npos) fit.text = CutToBytes(fit.text, roomBytes, fit.cut);
  return fit;
}

// Sees every change the user makes, with the text before it: the part
// inserted is taken out, fitted to the field and put back.
class TCp932Edit::Validator final : public QValidator {
 public:
  explicit Validator(TCp932Edit& edit) : QValidator(&edit), edit_(edit) {}

  // Runs inside Qt's key handling, where no exception may pass: should the
  // codec fail, the edit is refused and the field keeps its text.
  State validate(QString& input, int& pos) const override {
    try {
      return Fit(input, pos);
    } catch (...) {
      return Invalid;
    }
  }

 private:
  State Fit(QString& input, int& pos) const {
    const QString& before = edit_.accepted_;
    if (edit_.settingText_ || input == before) return Acceptable;
    // The caret stands right after what was inserted, so the text after it
    // is the unchanged tail; the unchanged head is what comes before.
    const qsizetype tail = CommonTail(before, input, input.size() - pos);
    const qsizetype head = CommonHead(before, input, std::min(before.size(), input.size()) - tail);
    const QString inserted = input.mid(head, input.size() - tail - head);
    const FieldInsertion fit = FitFieldInsertion(inserted, Room(before, head, tail));
    if (fit.text == inserted) return Acceptable;
    input = input.left(head) + fit.text + input.right(tail);
    pos = static_cast<int>(head + fit.text.size());
    emit edit_.inputAdjusted(fit.replaced, fit.dropped, fit.cut);
    return Acceptable;
  }

  static qsizetype CommonTail(const QString& a, const QString& b, qsizetype most) {
    qsizetype n = 0;
    while (n < most && n < a.size() && n < b.size() &&
           a.at(a.size() - 1 - n) == b.at(b.size() - 1 - n))
      ++n;
    return n;
  }
  static qsizetype CommonHead(const QString& a, const QString& b, qsizetype most) {
    qsizetype n = 0;
    while (n < most && a.at(n) == b.at(n))
      ++n;
    return n;
  }
  // Bytes left for the insertion: the limit less what stays of the old text.
  std::size_t Room(const QString& before, qsizetype head, qsizetype tail) const {
    if (edit_.byteLimit_ == 0) return std::string::npos;
    const std::size_t kept = Cp932ByteCount(QStringView(before).left(head)) +
                             Cp932ByteCount(QStringView(before).right(tail));
    return kept >= edit_.byteLimit_ ? 0 : edit_.byteLimit_ - kept;
  }

  TCp932Edit& edit_;
};

TCp932Edit::TCp932Edit(QWidget* parent) : QLineEdit(parent) {
  setValidator(new Validator(*this));
  connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { accepted_ = text; });
}

Cp932Text TCp932Edit::Cp932() const {
  return QStringToCp932(text());
}

void TCp932Edit::SetCp932Text(std::string_view cp932) {
  setText(Cp932ToQString(cp932));
}

void TCp932Edit::setText(const QString& text) {
  settingText_ = true;
  QLineEdit::setText(text);
  settingText_ = false;
}

void TCp932Edit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  emit entered();
}

void TCp932Edit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  const Qt::FocusReason reason = event->reason();
  if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) emit exited();
}

}  // namespace ruvo::app
