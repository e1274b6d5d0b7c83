// A day's orders from a shop's CSV file, dropped on the window: the batch
// dialog shows every row and prints the good ones as one job, on the paper
// mode's printer with its paper, source and margins in force, as F11 would,
// or none while that printer is missing. The window's own slip stays as it
// is.
#include <algorithm>

#include "app/batch_dialog.h"
#include "app/form_main.h"
#include "batch/order_file.h"

namespace ruvo::app {

void TForm_Main::OpenOrderFile(const std::filesystem::path& file) {
  batch::OrderFileSource source;
  source.orderFile = file;
  source.workingFolder = services_.workingFolder;
  source.selectedSender = std::max(SenderTab(), 0);
  source.postal = PostalDirectory();
  source.slipDate = SlipDate();
  BatchDialog dialog({services_.printer, services_.boxes, labels_.top, labels_.left,
                      [source] { return batch::LoadOrderFile(source); },
                      QString::fromStdString(file.filename().string()),
                      [this] {
                        KeepPrinterInForce();
                        RequirePrinterInForce(printerInForce_);
                      }},
                     this);
  dialog.exec();
}

}  // namespace ruvo::app
