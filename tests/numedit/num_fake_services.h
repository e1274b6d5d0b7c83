#pragma once
// In-memory stand-ins for the numeric box's platform services.

#include <string>
#include <string_view>

#include "numedit/num_edit_services.h"

namespace ruvo::test {

class FakeClipboard : public NumClipboard {
 public:
  bool HasText() const override { return hasText; }
  std::string Text() const override { return hasText ? text : std::string(); }
  void SetText(std::string_view cp932) override {
    text = std::string(cp932);
    hasText = true;
  }
  bool hasText = false;
  std::string text;
};

class FakeBeeper : public NumBeeper {
 public:
  void Beep() override { ++beeps; }
  int beeps = 0;
};

// Fits when the value has at most `maxBytes` bytes: a box as wide as that
// many characters of a fixed-pitch font.
class FakeWidthTest : public NumWidthTest {
 public:
  bool TextFits(std::string_view value) const override { return value.size() <= maxBytes; }
  std::size_t maxBytes = 1000;
};

}  // namespace ruvo::test
