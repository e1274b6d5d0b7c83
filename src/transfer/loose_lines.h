#pragma once
// The lines of a mail's section that neither a label nor their look places:
// the name, its reading, a building or company on a line of its own.
//
// Shop systems that write the recipient without labels put the fields in a
// fixed order. WooCommerce writes postal code, address, building, company,
// reading and name ("〒320-0802" "栃木県宇都宮市江野町8-3" "ララスクエア宇都宮"
// "フジタ マナブ" "藤田 学様"); Zen Cart the name and its reading first, then
// postal code, address and building. So a line is judged by where it stands:
// one right after the address's block number belongs to the address unless
// it is the name, and a line of kana next to the name is its reading.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace ruvo {

struct LooseLine {
  std::string text;      // as written, blanks trimmed
  std::size_t line = 0;  // where it stands in the section, counted from the heading
  // It says it is the name: a name label ("お名前：") or an honorific ("様").
  bool named = false;
  // It has the look of an address ("ララスクエア宇都宮"): never the name.
  bool addressLike = false;
  // It follows an address that holds its block number, with only loose
  // lines between.
  bool afterAddress = false;
};

struct LooseReading {
  std::optional<std::size_t> name;  // the index of the name's line
  // The indexes of the lines that go on with the address, in order.
  std::vector<std::size_t> address;
};

// Which of `lines` (in the order they stand) is the name and which go on
// with the address:
// - the name is the first line that says it is one; else the first line
//   outside the run after the address; else the last line of that run. A
//   line of kana only is taken only when no other line can be the name, a
//   line with the look of an address never;
// - a line of kana only right before or after the name is its reading and
//   is dropped, when it has as many blank-separated parts as the name or
//   the name is written without a blank;
// - the lines of the run after the address that stand before the name (all
//   of them when the name stands elsewhere) go on with the address.
LooseReading ReadLooseLines(const std::vector<LooseLine>& lines);

}  // namespace ruvo
