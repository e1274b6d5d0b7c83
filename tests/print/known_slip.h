#pragma once
// One slip with every field filled, for the tests and benchmarks of the
// slip's layout, proof and measuring.

#include <chrono>

#include "print/slip_record.h"
#include "support/test_text.h"

namespace ruvo::test {

inline SlipRecord KnownSlip() {
  SlipRecord slip;
  slip.recipientZip = "730-0001";
  slip.recipientAddress1 = Sj("広島県広島市中区白島北町１－２－３");
  slip.recipientAddress2 = Sj("ルヴォビル２階");
  slip.recipientAddress3 = Sj("総務部");
  slip.recipientName = Sj("山田太郎");
  slip.recipientTel = "082-123-4567";
  slip.goods = {Sj("書籍"), Sj("文具"), Sj("割れ物注意")};
  slip.quantity = "12";
  slip.slipDate = std::chrono::year(2026) / 12 / 7;
  slip.wishedMonth = "12";
  slip.wishedDay = "24";
  slip.timeSlots[1] = true;
  slip.senderZip = "150-0002";
  slip.senderAddress1 = Sj("東京都渋谷区渋谷");
  slip.senderAddress2 = Sj("２－２１－１");
  slip.senderName = Sj("株式会社ルヴォ");
  slip.senderTel = "03-1234-5678";
  return slip;
}

// A name of 20 full-width characters, 40 bytes: wider than the name's box.
inline std::string FortyByteName() {
  return Sj("山田太郎山田太郎山田太郎山田太郎山田太郎");
}

}  // namespace ruvo::test
