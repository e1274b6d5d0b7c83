#include "app/slip_state.h"

#include <algorithm>
#include <ctime>

#include "print/lm_printers.h"
#include "print/printer_notices.h"
#include "print/slip_units.h"
#include "transfer/recipient_fields.h"
#include "transfer/text_ops.h"
#include "widgets/num_edit_presets.h"
#include "widgets/num_value_model.h"

namespace ruvo {
namespace {

// The quantity box's value after `saved` is written into it: the box keeps
// only its number.
std::string QuantityBoxText(const std::string& saved) {
  NumValueModel box(num_presets::OvNumEdit_KOSUU().properties.value);
  box.SetText(saved);
  return box.GetText();
}

// The number of the visible printer called `name`, blanks at both ends
// aside (the registration stores the name trimmed); -1 when there is none.
int VisibleNumberNamed(TLmPrinter& printer, std::string_view name) {
  const std::vector<std::string>& names = printer.GetPrinterNames();
  const auto found = std::find_if(names.begin(), names.end(), [&](const std::string& visible) {
    return Trim(visible) == name;
  });
  return found == names.end() ? -1 : static_cast<int>(found - names.begin());
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

RegisteredPrinterChoice SelectRegisteredPrinter(TLmPrinter& printer,
                                                const std::string& printerNumber,
                                                const std::string& printerName) {
  const std::string_view name = Trim(printerName);
  const int named = name.empty() ? -1 : VisibleNumberNamed(printer, name);
  RegisteredPrinterChoice choice;
  if (named >= 0) {
    printer.SetIndex(named);
    choice.printerNumber = std::to_string(named);
  } else {
    choice.how = SelectByNumber(printer, LabelTextToInt(printerNumber));
    choice.printerNumber = printerNumber;
  }
  choice.printerName = printer.GetPrinterNames().at(static_cast<std::size_t>(printer.GetIndex()));
  if (choice.how != PrinterSelection::kByName) {
    choice.notice = name.empty() ? UnnamedRegistrationNotice(choice.printerName)
                                 : RegisteredPrinterMissingNotice(name, choice.printerName);
  }
  return choice;
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
