#pragma once
// One consignment slip as the main window holds it, and the print values the
// window keeps beside it. Texts are CP932 bytes exactly as typed.

#include <array>
#include <chrono>
#include <string>

#include "slip/slip_fields.h"

namespace ruvo {

// Each field's limits and kind: kSlipFields.
struct SlipRecord {
  std::string recipientZip;  // expected "999-9999"; drawn one character per box
  std::string recipientAddress1;
  std::string recipientAddress2;
  std::string recipientAddress3;  // never saved with the settings
  std::string recipientName;
  std::string recipientTel;
  std::array<std::string, 3> goods;
  std::string quantity{SlipFieldOf(SlipField::kQuantity).initial};  // the quantity box's text
  std::chrono::year_month_day slipDate{};        // the shipping date printed on the slip
  bool printDate = true;                         // off: no dates, no quantity, no time-slot mark
  std::string wishedMonth;                       // drawn as typed
  std::string wishedDay;                         // drawn as typed
  std::array<bool, kTimeSlotCount> timeSlots{};  // kTimeSlots; the first ticked one is marked
  bool printSender = true;                       // off: nothing of the sender is drawn
  std::string senderZip;
  std::string senderAddress1;
  std::string senderAddress2;  // empty: line 1 is drawn alone, a size larger
  std::string senderName;
  std::string senderTel;
};

// The print values the main window holds as label texts at the moment of
// printing: the effective resolution in dots per inch, the margins in
// printer dots (an empty margin counts as 0), and the form's scale per axis
// in tenths of a percent, around the form's origin (empty: 100.0 %).
struct SlipPrintValues {
  std::string dpiX;
  std::string dpiY;
  std::string top;
  std::string left;
  std::string scaleX = "";  // "1010": every distance across 1 % longer
  std::string scaleY = "";  // the same down the page, along the feed
};

}  // namespace ruvo
