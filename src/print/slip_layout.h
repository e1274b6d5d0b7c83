#pragma once
// The slip layout as data: every value the slip shows, where, in which face
// and size, and under which switch, in drawing order.
//
// Positions are in layout units of 1/160 inch from the origin of the
// printer's printable area, x to the right and y downwards, y at the top of
// the character cell.

#include <span>
#include <string>
#include <string_view>

#include "print/slip_record.h"

namespace ruvo {

enum class SlipFace {
  kPMincho,  // "ＭＳ Ｐ明朝": addresses, names, goods
  kLucida,   // "Lucida Sans Unicode": digits, dates, telephones, the mark
};

// When a field is drawn at all.
enum class SlipGate {
  kAlways,
  kDate,            // the date switch is on
  kSender,          // the sender switch is on
  kSenderTwoLines,  // the sender switch is on and sender address 2 is set
  kSenderOneLine,   // the sender switch is on and sender address 2 is empty
};

// Where a field's text comes from, and so whether it can outgrow its box.
enum class SlipTextSource {
  kTyped,    // what the user typed or pasted: measured against its box
  kProgram,  // the program's own characters (the date picker's digits, the
             // quantity's, the time-slot mark), each made for its printed box
};

// The text a field shows for a slip; `cell` numbers the boxes of a boxed
// value (postal code, quantity, time slot) from 0.
using SlipTextOf = std::string (*)(const SlipRecord& slip, int cell);

struct SlipLayoutField {
  std::string_view name;  // ASCII, for scripts, tests and diagnostics ("name", "goods 1")
  // CP932, as the user knows the field ("おなまえ", "品名1"); empty for the
  // time-slot marks, whose captions are the time slots' own (FieldCaption).
  std::string_view caption;
  SlipTextOf textOf;
  int cell;
  int x;  // 1/160 inch: the text's anchor, the top-left corner of its box
  int y;  // 1/160 inch, top of the character cell
  // The box: the extent the text may take on the form, from the anchor
  // rightwards and downwards, in 1/160 inch.
  int width;
  int height;
  SlipFace face;
  int points;
  SlipGate gate;
  SlipTextSource source;
};

// Every field, in the order it is drawn.
std::span<const SlipLayoutField> SlipLayout();

// The form every box lies on, from the layout's origin, in 1/160 inch.
struct SlipFormExtent {
  int width;
  int height;
};
SlipFormExtent SlipForm();

// The face's name as the layout gives it (CP932).
std::string_view SlipFaceName(SlipFace face);

// The caption the user knows `field` by (CP932).
std::string FieldCaption(const SlipLayoutField& field);

bool SlipGateOpen(SlipGate gate, const SlipRecord& slip);

}  // namespace ruvo
