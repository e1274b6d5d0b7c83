#include "app/cp932_line_edit.h"

#include <QFocusEvent>
#include <QValidator>
#include <algorithm>

#include "qt_text/qt_text.h"
#include "slip/field_insertion.h"
#include "transfer/recipient_fields.h"

namespace ruvo::app {
namespace {

std::string Utf8Of(QStringView text) {
  return text.toUtf8().toStdString();
}

}  // namespace

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
    const FieldInsertion fit = FitFieldInsertion(Utf8Of(inserted), Room(before, head, tail));
    const QString fitting = QString::fromStdString(fit.text);
    if (fitting == inserted) return Acceptable;
    input = input.left(head) + fitting + input.right(tail);
    pos = static_cast<int>(head + fitting.size());
    emit edit_.inputAdjusted(edit_.field_, fit.replaced, fit.dropped, fit.cut);
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
    const std::size_t kept = Cp932ByteCount(Utf8Of(QStringView(before).left(head))) +
                             Cp932ByteCount(Utf8Of(QStringView(before).right(tail)));
    return kept >= edit_.byteLimit_ ? 0 : edit_.byteLimit_ - kept;
  }

  TCp932Edit& edit_;
};

TCp932Edit::TCp932Edit(SlipField field, QWidget* parent)
    : QLineEdit(parent), field_(field), byteLimit_(SlipFieldOf(field).entryBytes) {
  const std::string_view name = SlipFieldOf(field).control;
  setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  setValidator(new Validator(*this));
  connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { accepted_ = text; });
  if (SlipFieldOf(field).kind == FieldKind::kHalfWidth) {
    connect(this, &QLineEdit::textChanged, this, &TCp932Edit::KeepHalfWidth);
  }
}

// Whatever sets the text, the field holds its half-width form; setting that
// changes the text once more, to the same text, and there it ends. The caret
// keeps its place counted from the end, where the typing goes on. Should the
// codec fail, the text stays as it came: no exception may leave Qt's signal.
void TCp932Edit::KeepHalfWidth() {
  try {
    const std::string text = Cp932().bytes;
    const std::string half = FieldTextAsHeld(field_, text);
    if (half == text) return;
    const qsizetype fromEnd = this->text().size() - cursorPosition();
    SetCp932Text(half);
    setCursorPosition(static_cast<int>(std::max<qsizetype>(0, this->text().size() - fromEnd)));
  } catch (...) {
  }
}

Cp932Text TCp932Edit::Cp932() const {
  return QStringToCp932(text());
}

std::string TCp932Edit::Cp932(std::size_t& replaced) const {
  Cp932Text text = Cp932();
  replaced += text.replaced;
  return std::move(text.bytes);
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
  if (caretToEnd_) {
    deselect();
    end(false);
  }
  emit entered(field_);
}

void TCp932Edit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  const Qt::FocusReason reason = event->reason();
  if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) emit exited();
}

}  // namespace ruvo::app
