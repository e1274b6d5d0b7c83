// A day's orders from a shop's order file, dropped on the window or opened
// with F3: the batch dialog reads it off the event loop, shows every order
// and prints the good ones as one job, on the paper mode's printer with its
// paper, source and margins in force, as F11 would, or none while that
// printer is missing. The window's own slip stays as it is.
#include <QFileDialog>
#include <algorithm>
#include <memory>

#include "app/batch_dialog.h"
#include "app/form_main.h"
#include "batch/order_file.h"
#include "print/qt_text_measurer.h"

namespace ruvo::app {
namespace {

std::optional<std::filesystem::path> AskForOrderFile(QWidget* parent) {
  const QString file = QFileDialog::getOpenFileName(
      parent, QStringLiteral("注文ファイルを開く"), QString(),
      QStringLiteral("注文ファイル (*.csv *.txt *.tsv *.CSV *.TXT *.TSV);;すべてのファイル (*)"));
  if (file.isEmpty()) return std::nullopt;
  return std::filesystem::path(file.toStdString());
}

}  // namespace

void TForm_Main::OpenOrderFile(const std::filesystem::path& file) {
  batch::OrderFileSource source;
  source.workingFolder = services_.workingFolder;
  source.selectedSender = std::max(SenderTab(), 0);
  source.postal = PostalDirectory();
  source.slipDate = SlipDate();
  // The orders' texts measured in the window's fonts at the reference
  // resolution: the printer is asked only when they print.
  const auto measurer = std::make_shared<const QtTextMeasurer>();
  source.measurer = measurer.get();
  source.fitValues.dpiX = std::to_string(kFitReferenceDpi);
  source.fitValues.dpiY = std::to_string(kFitReferenceDpi);
  BatchDialogSetup setup{
      services_.printer,
      services_.boxes,
      labels_.top,
      labels_.left,
      [source, measurer](const BatchChoices& choices, const batch::ReadProgress& progress) {
        batch::OrderFileSource read = source;
        read.orderFile = choices.orderFile;
        read.encoding = choices.encoding;
        read.columnMap = choices.columnMap;
        return batch::LoadOrderFile(read, progress);
      },
      {file, {}, {}}};
  setup.requirePrinter = [this] {
    KeepPrinterInForce();
    RequirePrinterInForce(printerInForce_);
  };
  setup.chooseOrderFile = services_.chooseOrderFile;
  BatchDialog dialog(std::move(setup), this);
  dialog.exec();
}

// F3: the order file chosen in the desktop's file dialog, as if dropped.
void TForm_Main::SpeedButton_F3Click() {
  const auto choose = services_.chooseOrderFile ? services_.chooseOrderFile : AskForOrderFile;
  if (const std::optional<std::filesystem::path> file = choose(this)) OpenOrderFile(*file);
}

}  // namespace ruvo::app
