#include "app/slip_state.h"

#include <algorithm>
#include <ctime>
#include <optional>

#include "numedit/num_edit_presets.h"
#include "numedit/num_value_model.h"
#include "print/lm_printers.h"
#include "print/printer_notices.h"
#include "print/slip_units.h"
#include "transfer/cp932_codec.h"
#include "transfer/recipient_fields.h"
#include "transfer/text_ops.h"

namespace ruvo {
namespace {

// The quantity box's value after `saved` is written into it: the box keeps
// only its number.
std::string QuantityBoxText(const std::string& saved) {
  NumValueModel box(num_presets::OvNumEdit_KOSUU().properties.value);
  box.SetText(saved);
  return box.GetText();
}

// The number of the visible printer `choice` names: by its queue name when
// the registration holds one, else the first called `choice.name`, blanks
// at both ends aside (the registration stores the name trimmed); -1 when
// there is none.
int VisibleNumberOf(TLmPrinter& printer, const PrinterChoice& choice) {
  const bool byQueue = !choice.queue.empty();
  const std::vector<std::string>& list =
      byQueue ? printer.GetPrinterQueues() : printer.GetPrinterNames();
  const auto found = std::find_if(list.begin(), list.end(), [&](const std::string& entry) {
    return byQueue ? entry == choice.queue : Trim(entry) == choice.name;
  });
  return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

PrinterSelection SelectByNumber(TLmPrinter& printer, int number) {
  try {
    printer.SetIndex(number);
    return PrinterSelection::kByNumber;
  } catch (const ELMPrinterRangeError&) {
    printer.SetIndex(0);
    return PrinterSelection::kFirst;
  }
}

// The code of the choice called `name`; the default's for an empty name,
// nothing when the printer does not offer it.
std::optional<std::uint16_t> CodeNamed(const std::vector<PaperChoice>& offered,
                                       const std::string& name, std::uint16_t defaultCode) {
  if (name.empty()) return defaultCode;
  const auto found = std::find_if(offered.begin(), offered.end(),
                                  [&](const PaperChoice& choice) { return choice.name == name; });
  if (found == offered.end()) return std::nullopt;
  return found->code;
}

// The names of the selected printer's current paper size and source, empty
// when its driver tells none.
void TakePaperInForce(TLmPrinter& printer, PrinterInForce& inForce) {
  try {
    inForce.paperName =
        printer.GetPaperSizeNames().at(static_cast<std::size_t>(printer.GetPaperSizeIndex()));
  } catch (const ELmPrinter&) {
    inForce.paperName.clear();
  }
  try {
    inForce.binName = printer.GetBinNames().at(static_cast<std::size_t>(printer.GetBinIndex()));
  } catch (const ELmPrinter&) {
    inForce.binName.clear();
  }
}

// Selects the printer `choice` names with its paper and source, or reports
// it missing (the layer's selection then stays as it was).
PrinterInForce SelectChoice(TLmPrinter& printer, const PrinterChoice& choice) {
  PrinterInForce inForce;
  inForce.chosen = choice;
  const int number = VisibleNumberOf(printer, choice);
  if (number < 0) {
    inForce.how = PrinterSelection::kMissing;
    inForce.notice = RegisteredPrinterMissingNotice(
        choice.name.empty() ? Utf8ToCp932(choice.queue).bytes : choice.name);
    return inForce;
  }
  printer.SetIndex(number);
  const std::string queue = printer.CurrentPrinterQueue();
  inForce.chosen.name = std::string(Trim(printer.CurrentPrinterName()));
  inForce.chosen.queue = queue;
  inForce.printerNumber = std::to_string(number);
  const PrintService& service = printer.Service();
  const DocumentSettings defaults = service.DefaultSettings(queue);
  const auto paper = CodeNamed(service.PaperSizes(queue), choice.paperName, defaults.paperSize);
  const auto bin = CodeNamed(service.PaperSources(queue), choice.binName, defaults.defaultSource);
  if (!paper || !bin) {
    inForce.how = PrinterSelection::kMissing;
    inForce.notice = !paper ? RegisteredPaperMissingNotice(inForce.chosen.name, choice.paperName)
                            : RegisteredBinMissingNotice(inForce.chosen.name, choice.binName);
    return inForce;
  }
  printer.ApplySetupChoice(number, paper, bin);
  TakePaperInForce(printer, inForce);
  return inForce;
}

}  // namespace

void RestoreSavedSlip(SlipRecord& slip, const settings::SavedSlip& saved) {
  slip.recipientZip = PostalCodeFieldText(saved.zip);
  slip.recipientAddress1 = saved.address1;
  slip.recipientAddress2 = saved.address2;
  slip.recipientName = saved.customer;
  slip.recipientTel = TelephoneFieldText(saved.tel);
  slip.goods = {saved.goods1, saved.goods2, saved.goods3};
  slip.quantity = QuantityBoxText(saved.quantity);
  slip.wishedMonth = saved.deliveryMonth;
  slip.wishedDay = saved.deliveryDay;
  slip.senderZip = saved.sender.zip;
  slip.senderAddress1 = saved.sender.address1;
  slip.senderAddress2 = saved.sender.address2;
  slip.senderName = saved.sender.name;
  slip.senderTel = saved.sender.tel;
}

settings::SavedSlip SavedSlipOf(const SlipRecord& slip) {
  settings::SavedSlip saved;
  saved.zip = slip.recipientZip;
  saved.address1 = slip.recipientAddress1;
  saved.address2 = slip.recipientAddress2;
  saved.customer = slip.recipientName;
  saved.tel = slip.recipientTel;
  saved.goods1 = slip.goods[0];
  saved.goods2 = slip.goods[1];
  saved.goods3 = slip.goods[2];
  saved.quantity = slip.quantity;
  saved.deliveryMonth = slip.wishedMonth;
  saved.deliveryDay = slip.wishedDay;
  saved.sender = {slip.senderZip, slip.senderAddress1, slip.senderAddress2, slip.senderName,
                  slip.senderTel};
  return saved;
}

PrinterChoice RegisteredChoice(const settings::RegisteredPrintValues& registration) {
  return {std::string(Trim(registration.printerName)), registration.printerQueue,
          registration.paperName, registration.binName};
}

PrinterInForce SelectRegisteredPrinter(TLmPrinter& printer, const std::string& printerNumber,
                                       const PrinterChoice& registered) {
  if (!registered.name.empty() || !registered.queue.empty()) {
    PrinterInForce inForce = SelectChoice(printer, registered);
    if (inForce.how == PrinterSelection::kMissing) inForce.printerNumber = printerNumber;
    return inForce;
  }
  const PrinterSelection how = SelectByNumber(printer, LabelTextToInt(printerNumber));
  PrinterChoice chosen = registered;
  chosen.queue = printer.CurrentPrinterQueue();
  PrinterInForce inForce = SelectChoice(printer, chosen);
  if (inForce.how == PrinterSelection::kMissing) return inForce;
  inForce.how = how;
  inForce.printerNumber = printerNumber;
  inForce.notice = UnnamedRegistrationNotice(inForce.chosen.name);
  return inForce;
}

PrinterInForce SelectPrinterAgain(TLmPrinter& printer, const PrinterInForce& inForce) {
  PrinterInForce again = SelectChoice(printer, inForce.chosen);
  if (again.how == PrinterSelection::kMissing) {
    again.printerNumber = inForce.printerNumber;
  } else if (inForce.how != PrinterSelection::kMissing) {
    again.how = inForce.how;
    again.notice = inForce.notice;
  }
  return again;
}

PrinterChoice SelectedPrinterChoice(TLmPrinter& printer) {
  PrinterInForce current;
  TakePaperInForce(printer, current);
  return {std::string(Trim(printer.CurrentPrinterName())), printer.CurrentPrinterQueue(),
          current.paperName, current.binName};
}

void RequirePrinterInForce(const PrinterInForce& inForce) {
  if (inForce.how == PrinterSelection::kMissing) {
    throw ENoPrinterInForce(CannotPrintText(inForce.notice));
  }
}

std::chrono::year_month_day LocalToday() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return std::chrono::year_month_day{std::chrono::year(local.tm_year + 1900),
                                     std::chrono::month(static_cast<unsigned>(local.tm_mon + 1)),
                                     std::chrono::day(static_cast<unsigned>(local.tm_mday))};
}

}  // namespace ruvo
