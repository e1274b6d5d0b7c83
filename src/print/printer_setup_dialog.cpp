#include "print/printer_setup_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "print/printer_watch.h"
#include "qt_text/qt_text.h"

namespace ruvo {
namespace {

QComboBox* NamedBox(const char* objectName, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QLatin1String(objectName));
  return box;
}

// Fills `box` with `choices` and selects the row of `current`, if listed.
std::vector<std::uint16_t> FillChoices(QComboBox& box, const std::vector<PaperChoice>& choices,
                                       std::optional<std::uint16_t> current) {
  std::vector<std::uint16_t> codes;
  box.clear();
  for (const PaperChoice& choice : choices) {
    box.addItem(Cp932ToQString(choice.name));
    codes.push_back(choice.code);
  }
  const auto found = current ? std::find(codes.begin(), codes.end(), *current) : codes.end();
  box.setCurrentIndex(found == codes.end() ? (codes.empty() ? -1 : 0)
                                           : static_cast<int>(found - codes.begin()));
  return codes;
}

}  // namespace

TLmPrinterSetupDialog::TLmPrinterSetupDialog(TLmPrinter& printer, PrinterWatch* watch,
                                             QWidget* parent)
    : QDialog(parent),
      printer_(printer),
      watch_(watch),
      printerBox_(NamedBox("ComboBox_Printer", this)),
      paperBox_(NamedBox("ComboBox_PaperSize", this)),
      sourceBox_(NamedBox("ComboBox_PaperSource", this)) {
  setObjectName(QStringLiteral("LmPrinterSetupDialog"));
  setWindowTitle(QStringLiteral("プリンタの設定"));
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("プリンタ名:"), printerBox_);
  form->addRow(QStringLiteral("用紙サイズ:"), paperBox_);
  form->addRow(QStringLiteral("給紙方法:"), sourceBox_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  buttons->setObjectName(QStringLiteral("ButtonBox"));
  connect(printerBox_, &QComboBox::activated, this, [this](int row) { ShowPaperListsOf(row); });
}

bool TLmPrinterSetupDialog::Execute() {
  Prepare();
  return Finish(exec() == QDialog::Accepted);
}

void TLmPrinterSetupDialog::Prepare() {
  printerBox_->clear();
  // The names first: they take a first snapshot the layer still owes.
  for (const std::string& name : printer_.GetPrinterNames()) {
    printerBox_->addItem(Cp932ToQString(name));
  }
  preparedWith_ = printer_.Snapshot();
  // Without a system default nothing is selected yet; offer the first.
  const int current = std::max(printer_.GetIndex(), 0);
  printerBox_->setCurrentIndex(current);
  FillPaperLists(current);
}

// Runs inside Qt's event dispatch, which no exception may cross: a printer
// that vanished meanwhile, or a row of a printer list renewed meanwhile,
// shows empty lists, and closing the dialog notices the change.
void TLmPrinterSetupDialog::ShowPaperListsOf(int number) {
  try {
    if (PrintersRenewedSincePrepare()) throw ELmPrinterNoInfo("printers renewed");
    FillPaperLists(number);
  } catch (const std::exception&) {
    paperBox_->clear();
    sourceBox_->clear();
    choices_ = {};
  }
}

// The selected printer's lists show its current choice; another printer's
// lists show that printer's defaults, which selecting it will load.
void TLmPrinterSetupDialog::FillPaperLists(int number) {
  PrintService& service = printer_.Service();
  const bool selected = number == printer_.GetIndex();
  const std::string queue = number >= 0
                                ? printer_.GetPrinterQueues().at(static_cast<std::size_t>(number))
                                : printer_.CurrentPrinterQueue();
  const DocumentSettings settings = service.DefaultSettings(queue);
  std::optional<std::uint16_t> paper = settings.paperSize;
  std::optional<std::uint16_t> source = settings.defaultSource;
  if (selected) {
    try {
      paper = printer_.GetPaperSizeNumber();
      source = printer_.GetBinNumber();
    } catch (const ELmPrinter&) {
      // A driver without paper or source support keeps its defaults shown.
    }
  }
  choices_.paperCodes = FillChoices(*paperBox_, service.PaperSizes(queue), paper);
  choices_.sourceCodes = FillChoices(*sourceBox_, service.PaperSources(queue), source);
}

std::optional<std::uint16_t> TLmPrinterSetupDialog::CodeAt(const std::vector<std::uint16_t>& codes,
                                                           int row) {
  if (row < 0 || row >= static_cast<int>(codes.size())) return std::nullopt;
  return codes[static_cast<std::size_t>(row)];
}

// The layer's printers were renewed after the list was filled (the watch
// runs whenever the application comes back to the front).
bool TLmPrinterSetupDialog::PrintersRenewedSincePrepare() const {
  return preparedWith_ && !preparedWith_->IsEqual(printer_.Snapshot());
}

// The watch, when there is one, tells the window that the selection fell
// back; a service that cannot answer counts as unchanged either way.
bool TLmPrinterSetupDialog::RenewPrinters() {
  if (watch_ != nullptr) return watch_->CheckPrinters();
  try {
    return printer_.OnSettingsChange();
  } catch (const EPrinter&) {
    return false;
  }
}

bool TLmPrinterSetupDialog::Finish(bool confirmed) {
  outcome_ = Outcome::kCancelled;  // also when applying the choice fails
  const bool changed = RenewPrinters();
  if (!confirmed) return false;
  // Printers changed while the dialog was open: the layer fell back to the
  // default printer and the choice, made from the old list, is dropped.
  if (changed || PrintersRenewedSincePrepare()) {
    outcome_ = Outcome::kDropped;
    return false;
  }
  printer_.ApplySetupChoice(printerBox_->currentIndex(),
                            CodeAt(choices_.paperCodes, paperBox_->currentIndex()),
                            CodeAt(choices_.sourceCodes, sourceBox_->currentIndex()));
  outcome_ = Outcome::kApplied;
  return true;
}

}  // namespace ruvo
