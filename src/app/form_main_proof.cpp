// Checking the position on plain paper and on screen: the print-position
// dialog's test sheet and proof at the values it holds, the preview (F9) at
// the values in force, and the texts that do not fit their boxes, named
// before F11 prints.
#include "app/form_main.h"
#include "app/form_slip97y_prn.h"
#include "app/paper_mode_printer.h"
#include "app/slip_fit_notice.h"
#include "app/slip_preview.h"
#include "print/form_placement.h"
#include "print/print_job.h"
#include "print/slip_layout.h"
#include "print/slip_proof.h"
#include "print/test_sheet.h"
#include "qt_text/qt_text.h"

namespace ruvo::app {

// The printer in force is asked first, as for F11; the values are the
// dialog's, registered or not, so that a margin can be tried on plain paper
// before it is registered.
bool TForm_Main::AskToPrintOnPlainPaper(const QString& what) {
  if (RefusePrintingFromUnreadableFolder()) return false;
  printer_->RequireInForce();
  const QString printer = Cp932ToQString(printer_->InForce().chosen.name);
  return services_.boxes.Ask(
      this, QStringLiteral("「%1」に%2しますか?\n普通紙をセットしてください。").arg(printer, what));
}

void TForm_Main::PrintTestSheet(const PrintPosition& position) {
  if (!AskToPrintOnPlainPaper(QStringLiteral("テスト印字"))) return;
  const SlipPrintValues values = EffectivePrintValues(
      services_.printer, position.top, position.left, position.scaleX, position.scaleY);
  PrintDrawList(services_.printer, TestSheet(values));
}

void TForm_Main::PrintProof(const PrintPosition& position) {
  if (!AskToPrintOnPlainPaper(QStringLiteral("確認印刷"))) return;
  const SlipRecord slip = ReadRecordTellingReplaced();
  const SlipPrintValues values = EffectivePrintValues(
      services_.printer, position.top, position.left, position.scaleX, position.scaleY);
  PrintDrawList(services_.printer, SlipProof(slip, values, MeasureSlipOverflows(slip, values)));
}

// The printer's resolution is asked when the preview opens, not at every
// key: a print service may take its time to answer. Without an answer the
// preview is drawn at the resolution the batch checks use, and says so.
void TForm_Main::ShowPreview() {
  previewDpi_ = PreviewResolution(services_.printer, previewNote_);
  if (preview_ == nullptr)
    preview_ = new SlipPreview(
        services_.boxes, [this] { return DrawPreview(); }, *this, this);
  preview_->show();
  preview_->raise();
  preview_->Redraw();
}

ProofPicture TForm_Main::DrawPreview() const {
  const PrintLabels& labels = printer_->Labels();
  const SlipPrintValues values{std::to_string(previewDpi_.x),
                               std::to_string(previewDpi_.y),
                               labels.top,
                               labels.left,
                               labels.scaleX,
                               labels.scaleY};
  ProofPicture picture = ProofPictureOf(Record(), values);
  if (!previewNote_.isEmpty()) picture.notes << previewNote_;
  return picture;
}

// Named before the question, so that the user answers knowing it.
QString TForm_Main::OverflowQuestion(const SlipRecord& slip, const SlipPrintValues& values,
                                     const QString& question) const {
  const QStringList notes = OverflowNotes(MeasureSlipOverflows(slip, values));
  if (notes.isEmpty()) return question;
  return notes.join(QStringLiteral("\n")) + QStringLiteral("\n\n") + question;
}

}  // namespace ruvo::app
