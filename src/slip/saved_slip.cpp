#include "slip/saved_slip.h"

#include <ctime>

#include "slip/quantity.h"
#include "transfer/recipient_fields.h"

namespace ruvo {

void RestoreSavedSlip(SlipRecord& slip, const settings::SavedSlip& saved) {
  slip.recipientZip = FieldTextAsHeld(SlipField::kRecipientZip, saved.zip);
  slip.recipientAddress1 = saved.address1;
  slip.recipientAddress2 = saved.address2;
  slip.recipientName = saved.customer;
  slip.recipientTel = FieldTextAsHeld(SlipField::kRecipientTel, saved.tel);
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

std::chrono::year_month_day LocalToday() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return std::chrono::year_month_day{std::chrono::year(local.tm_year + 1900),
                                     std::chrono::month(static_cast<unsigned>(local.tm_mon + 1)),
                                     std::chrono::day(static_cast<unsigned>(local.tm_mday))};
}

}  // namespace ruvo
