#pragma once
// A slip with every field filled, distinct and in Japanese where the form
// holds Japanese: what the layout, the painter, the CUPS tests and the
// benchmarks lay out.

#include <chrono>

#include "print/slip_record.h"
#include "support/test_text.h"

namespace ruvo::test {

inline SlipRecord FullSlip() {
  SlipRecord slip;
  slip.recipientZip = "730-0001";
  slip.recipientAddress1 = Sj("広島県広島市中区白島北町");
  slip.recipientAddress2 = Sj("１－２－３");
  slip.recipientAddress3 = Sj("ルヴォビル２階");
  slip.recipientName = Sj("山田太郎");
  slip.recipientTel = "082-123-4567";
  slip.goods = {Sj("書籍"), Sj("文具"), Sj("割れ物注意")};
  slip.quantity = "12";
  slip.slipDate = std::chrono::year(2011) / 1 / 5;
  slip.wishedMonth = "1";
  slip.wishedDay = "10";
  slip.timeSlots[2] = true;
  slip.senderZip = "150-0002";
  slip.senderAddress1 = Sj("東京都渋谷区渋谷");
  slip.senderAddress2 = Sj("２－２１－１");
  slip.senderName = Sj("株式会社ルヴォ");
  slip.senderTel = "03-1234-5678";
  return slip;
}

}  // namespace ruvo::test
