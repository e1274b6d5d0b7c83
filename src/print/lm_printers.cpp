#include "print/lm_printers.h"

#include <algorithm>
#include <utility>

namespace ruvo {
namespace {

constexpr unsigned kPaperInfo = 0x1;  // paper sizes were listed
constexpr unsigned kBinInfo = 0x2;    // paper sources were listed

std::vector<std::string> NamesOf(const std::vector<PaperChoice>& choices) {
  std::vector<std::string> names;
  names.reserve(choices.size());
  for (const PaperChoice& choice : choices)
    names.push_back(choice.name);
  return names;
}

}  // namespace

TLmPrinter::TLmPrinter(PrintService& service, FirstSnapshot first)
    : service_(service), snapshot_(std::vector<PrinterEntry>{}) {
  if (first == FirstSnapshot::kAtFirstUse) {
    snapshotPending_ = true;
    return;
  }
  try {
    snapshot_ = TLmAllPrintersInfo(service);
  } catch (const EPrinter&) {
    snapshotPending_ = true;
  }
}

TLmPrinter::~TLmPrinter() {
  Abort();
}

// The platform printer is never made from a snapshot still to be taken.
void TLmPrinter::TakePendingSnapshot() {
  if (!snapshotPending_) return;
  snapshot_ = TLmAllPrintersInfo(service_);
  snapshotPending_ = false;
}

void TLmPrinter::CheckNoPrinter() {
  TakePendingSnapshot();
  if (snapshot_.HasVisiblePrinter()) return;
  cachedIndex_ = -1;
  throw ELmPrinterNoPrinter();
}

TLmPrinter::PlatformPrinter& TLmPrinter::Platform() {
  if (!platform_) {
    TakePendingSnapshot();
    // Its list is the snapshot's, so that a printer number always names the
    // printer the snapshot numbered, even when printers changed since.
    platform_ = std::make_unique<PlatformPrinter>();
    for (int position = 0; position < snapshot_.Count(); ++position) {
      platform_->printers.push_back(snapshot_.GetEntry(position));
    }
    // Without a system default printer it starts with none selected.
    const int position = DefaultPlatformPosition();
    if (position >= 0) SelectPlatformPosition(position);
  }
  return *platform_;
}

// Selecting always loads the printer's own default document settings.
void TLmPrinter::SelectPlatformPosition(int position) {
  PlatformPrinter& platform = *platform_;
  if (position < 0 || position >= static_cast<int>(platform.printers.size())) {
    throw EPrinter("Printer index " + std::to_string(position) + " is out of range");
  }
  const std::string& queue = platform.printers[static_cast<std::size_t>(position)].queue;
  platform.settings = service_.DefaultSettings(queue);
  platform.index = position;
}

int TLmPrinter::DefaultPlatformPosition() const {
  const std::string queue = service_.DefaultPrinterName();
  const auto& printers = platform_->printers;
  auto found = std::find_if(printers.begin(), printers.end(),
                            [&](const PrinterEntry& entry) { return entry.queue == queue; });
  if (queue.empty() || found == printers.end()) return -1;
  return static_cast<int>(found - printers.begin());
}

// The selected printer; nothing selected means the default was asked for
// while the system has none.
const PrinterEntry& TLmPrinter::SelectedEntry() {
  PlatformPrinter& platform = Platform();
  if (platform.index < 0) throw ELmPrinterNoDefault();
  return platform.printers[static_cast<std::size_t>(platform.index)];
}

const DocumentSettings& TLmPrinter::Settings() {
  SelectedEntry();
  return platform_->settings;
}

std::string TLmPrinter::CurrentPrinterName() {
  return SelectedEntry().name;
}

std::string TLmPrinter::CurrentPrinterQueue() {
  return SelectedEntry().queue;
}

const std::vector<std::string>& TLmPrinter::GetPrinterNames() {
  CheckNoPrinter();
  printerNames_.clear();
  for (int position = 0; position < snapshot_.Count(); ++position) {
    if (snapshot_.IsVisible(position)) printerNames_.push_back(snapshot_.GetName(position));
  }
  return printerNames_;
}

const std::vector<std::string>& TLmPrinter::GetPrinterQueues() {
  CheckNoPrinter();
  printerQueues_.clear();
  for (int position = 0; position < snapshot_.Count(); ++position) {
    if (snapshot_.IsVisible(position)) printerQueues_.push_back(snapshot_.GetEntry(position).queue);
  }
  return printerQueues_;
}

// The number of the selected printer; -1 when none is selected or the
// selected one is hidden.
int TLmPrinter::SelectedNumber() {
  const int platformIndex = Platform().index;
  if (platformIndex == -1 || !snapshot_.IsVisible(platformIndex)) return -1;
  const int position = snapshot_.FindQueue(CurrentPrinterQueue());
  if (position < 0) {
    // The platform printer's list is the snapshot's, so this means the
    // layer itself is broken.
    throw std::logic_error("TLmPrinter.GetIndex: the selected printer is not in the snapshot");
  }
  return position - snapshot_.HiddenBefore(position);
}

int TLmPrinter::GetIndex() {
  CheckNoPrinter();
  const int platformIndex = Platform().index;
  if (platformIndex != -1 && !snapshot_.IsVisible(platformIndex)) throw ELmPrinterIllegalIndex();
  return SelectedNumber();
}

void TLmPrinter::SetIndex(int number) {
  CheckNoPrinter();
  if (number < -1) throw ELMPrinterRangeError();
  Platform();
  if (number >= 0 && number == SelectedNumber()) return;
  const int position =
      number == -1 ? DefaultPlatformPosition() : snapshot_.PositionOfNumber(number);
  if (number == -1 && (position < 0 || !snapshot_.IsVisible(position))) {
    throw ELmPrinterNoDefault();
  }
  if (position < 0) throw ELMPrinterRangeError();
  SelectPlatformPosition(position);
  cachedIndex_ = -1;
  LoadLists();
}

void TLmPrinter::RequireCapability(std::size_t bit, const char* message) {
  if (!CapabilitiesFromFields(Settings().fields)[bit]) throw ELmPrinterNotSupported(message);
}

void TLmPrinter::EnsureLists() {
  if (Platform().index != cachedIndex_ || cachedIndex_ < 0) LoadLists();
}

void TLmPrinter::LoadLists() {
  const std::string queue = CurrentPrinterQueue();
  cachedIndex_ = Platform().index;
  infoFlags_ = 0;
  papers_ = service_.PaperSizes(queue);
  bins_ = service_.PaperSources(queue);
  if (!papers_.empty()) infoFlags_ |= kPaperInfo;
  if (!bins_.empty()) infoFlags_ |= kBinInfo;
  paperNames_ = NamesOf(papers_);
  binNames_ = NamesOf(bins_);
}

std::uint16_t TLmPrinter::GetPaperSizeNumber() {
  CheckNoPrinter();
  RequireCapability(kCapabilityPaperSize,
                    "TLmPrinter.GetPaperSizeNumber: PaperSize is not Supported");
  return Settings().paperSize;
}

const std::vector<std::string>& TLmPrinter::GetPaperSizeNames() {
  CheckNoPrinter();
  RequireCapability(kCapabilityPaperSize,
                    "TLmPrinter.GetPaperSizeNames: PaperSize is not Supported");
  EnsureLists();
  if ((infoFlags_ & kPaperInfo) == 0) {
    throw ELmPrinterNoInfo("TLmPrinter.GetPaperSizeNames: No Papersize Info Available");
  }
  return paperNames_;
}

int TLmPrinter::GetPaperSizeIndex() {
  CheckNoPrinter();
  RequireCapability(kCapabilityPaperSize,
                    "TLmPrinter.GetPaperSizeIndex: PaperSize is not Supported");
  const std::uint16_t code = GetPaperSizeNumber();
  EnsureLists();
  if ((infoFlags_ & kPaperInfo) == 0) {
    throw ELmPrinterNoInfo("TLmPrinter.GetPaperSizeIndex: No Papersize Info Available");
  }
  auto first = std::find_if(papers_.begin(), papers_.end(),
                            [&](const PaperChoice& paper) { return paper.code == code; });
  if (first == papers_.end()) throw ELMPrinterPaperSizeError();
  return static_cast<int>(first - papers_.begin());
}

std::uint16_t TLmPrinter::GetBinNumber() {
  CheckNoPrinter();
  RequireCapability(kCapabilityDefaultSource, "TLmPrinter.GetBinNumber: Bin is not Supported");
  return Settings().defaultSource;
}

const std::vector<std::string>& TLmPrinter::GetBinNames() {
  CheckNoPrinter();
  RequireCapability(kCapabilityDefaultSource, "TLmPrinter.GetBinNames: Bin is not Supported");
  EnsureLists();
  if ((infoFlags_ & kBinInfo) == 0) {
    throw ELmPrinterNoInfo("TLmPrinter.GetBinNames: No Bin Info Available");
  }
  return binNames_;
}

// Unlike the paper size, a source listed twice reports its last position.
int TLmPrinter::GetBinIndex() {
  CheckNoPrinter();
  RequireCapability(kCapabilityDefaultSource, "TLmPrinter.GetBinIndex: Bin is not Supported");
  const std::uint16_t code = GetBinNumber();
  EnsureLists();
  if ((infoFlags_ & kBinInfo) == 0) {
    throw ELmPrinterNoInfo("TLmPrinter.GetBinIndex: No Bin Info Available");
  }
  auto last = std::find_if(bins_.rbegin(), bins_.rend(),
                           [&](const PaperChoice& bin) { return bin.code == code; });
  if (last == bins_.rend()) throw ELmPrinterBinError();
  return static_cast<int>(bins_.rend() - last) - 1;
}

TLmPrinterCapabilities TLmPrinter::GetCapabilities() {
  CheckNoPrinter();
  return CapabilitiesFromFields(Settings().fields);
}

Resolution TLmPrinter::GetResolution() {
  CheckNoPrinter();
  return service_.PrinterResolution(CurrentPrinterQueue());
}

std::uint16_t TLmPrinter::GetScale() {
  CheckNoPrinter();
  if (!GetCapabilities()[kCapabilityScale]) return 100;
  return Settings().scale;
}

void TLmPrinter::BeginDoc(const std::string& title) {
  lastJobId_ = 0;
  CheckNoPrinter();
  if (document_) throw EPrinter("TLmPrinter.BeginDoc: a document is already being printed");
  // A hidden system default may be selected, but it is no printer of the
  // program's: it has no number and the user never chose it.
  GetIndex();
  DocumentRequest request;
  request.printer = CurrentPrinterQueue();
  request.title = title;
  request.resolution = service_.PrinterResolution(request.printer);
  request.settings = Settings();
  document_ = service_.BeginDocument(request);
}

PrintCanvas& TLmPrinter::Canvas() {
  if (!document_) throw EPrinter("TLmPrinter.Canvas: no document is being printed");
  return *document_;
}

void TLmPrinter::NewPage() {
  if (!document_) throw EPrinter("TLmPrinter.NewPage: no document is being printed");
  document_->NewPage();
}

int TLmPrinter::EndDoc() {
  if (!document_) throw EPrinter("TLmPrinter.EndDoc: no document is being printed");
  std::unique_ptr<PrintDocument> document = std::move(document_);
  lastJobId_ = document->End();
  return lastJobId_;
}

void TLmPrinter::Abort() noexcept {
  if (!document_) return;
  document_->Abort();
  document_.reset();
}

void TLmPrinter::Refresh() {
  cachedIndex_ = -1;
}

bool TLmPrinter::OnSettingsChange() {
  if (snapshotPending_) return false;  // the first use takes the list of its moment
  TLmAllPrintersInfo renewed(service_);
  const bool changed = !renewed.IsEqual(snapshot_);
  // An equal snapshot is still taken: its other attribute bits are newer.
  snapshot_ = std::move(renewed);
  snapshotPending_ = false;
  if (!changed) return false;
  platform_.reset();
  cachedIndex_ = -1;
  return true;
}

void TLmPrinter::ApplySetupChoice(int number, std::optional<std::uint16_t> paperSize,
                                  std::optional<std::uint16_t> paperSource) {
  SetIndex(number);
  Settings();
  DocumentSettings& settings = platform_->settings;
  if (paperSize) settings.paperSize = *paperSize;
  if (paperSource) settings.defaultSource = *paperSource;
  Refresh();
}

}  // namespace ruvo
