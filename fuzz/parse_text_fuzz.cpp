// Feeds arbitrary bytes to the numeric box as Text and as typed keys under
// varied settings, and checks that every stored value keeps its shape.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "numedit/num_edit_model.h"
#include "numedit/num_value_model.h"

namespace {

using ruvo::NumValueSettings;

void Check(bool condition) {
  if (!condition) std::abort();
}

std::size_t CountDigits(const std::string& v, std::size_t& pos) {
  const std::size_t start = pos;
  while (pos < v.size() && v[pos] >= '0' && v[pos] <= '9')
    ++pos;
  return pos - start;
}

// [-] digits{0,integerLength} [. digits{0,decimalLength}], "-" only with
// minus, "." only with decimals allowed. A lone "0" may exceed IntegerLength
// 0: it is put in front of a bare point ("." → "0.") and stays when the
// decimals are deleted again.
bool WellShaped(const std::string& v, const NumValueSettings& s) {
  std::size_t pos = 0;
  if (pos < v.size() && v[pos] == '-') {
    if (!s.minus) return false;
    ++pos;
  }
  const std::size_t integerStart = pos;
  const std::size_t integerDigits = CountDigits(v, pos);
  const bool loneZero = integerDigits == 1 && v[integerStart] == '0';
  if (integerDigits > static_cast<std::size_t>(s.integerLength) && !loneZero) return false;
  if (pos == v.size()) return true;
  if (v[pos] != '.' || s.decimalLength == 0) return false;
  ++pos;
  if (CountDigits(v, pos) > static_cast<std::size_t>(s.decimalLength)) return false;
  return pos == v.size();
}

// The integer part is "", "0" or starts with a non-zero digit.
bool NoLeadingZeros(const std::string& v) {
  const std::size_t start = !v.empty() && v[0] == '-' ? 1 : 0;
  return v.size() < start + 2 || v[start] != '0' || v[start + 1] == '.';
}

NumValueSettings ConsumeSettings(FuzzedDataProvider& data) {
  NumValueSettings s;
  s.integerLength = data.ConsumeIntegralInRange(0, 12);
  s.decimalLength = data.ConsumeIntegralInRange(0, 5);
  s.minus = data.ConsumeBool();
  s.comma = data.ConsumeBool();
  s.zeroEnabled = data.ConsumeBool();
  s.decimalFixed = data.ConsumeBool();
  s.integerFixed = data.ConsumeBool();
  s.leftMark = data.ConsumeBool() ? "\x81\x8f" : "";   // ￥
  s.rightMark = data.ConsumeBool() ? "\x89\x7e" : "";  // 円
  return s;
}

void CheckValue(const ruvo::NumValueModel& model) {
  Check(WellShaped(model.ValueText(), model.Settings()));
  Check(model.DisplayText() == model.FormatDisplayText(model.ValueText()));
  model.ReservedTemplate(model.ValueText());
  model.CaretText();
}

struct Clipboard : ruvo::NumClipboard {
  bool HasText() const override { return true; }
  std::string Text() const override { return text; }
  void SetText(std::string_view cp932) override { text = std::string(cp932); }
  std::string text;
};
struct Beeper : ruvo::NumBeeper {
  void Beep() override {}
};
struct WidthTest : ruvo::NumWidthTest {
  bool TextFits(std::string_view value) const override { return value.size() < 8; }
};

// Typed characters and keys from the remaining bytes.
void TypeKeys(FuzzedDataProvider& data, const NumValueSettings& settings, std::string pasted) {
  Clipboard clipboard;
  clipboard.text = std::move(pasted);
  Beeper beeper;
  WidthTest widthTest;
  ruvo::NumEditModel edit(clipboard, beeper, widthTest);
  edit.Apply({settings, {}, {}, {}});
  if (data.ConsumeBool()) edit.Behaviour().options.Include(ruvo::eoORInputStop);
  while (data.remaining_bytes() > 0) {
    const auto ch = data.ConsumeIntegral<std::uint8_t>();
    if (ch >= 0xF0)
      edit.KeyDown(static_cast<ruvo::NumKey>(ch & 0x0F), ruvo::kNoModifier);
    else if (ch >= 0xE0)
      edit.KeyDown(static_cast<ruvo::NumKey>(ch & 0x0F), ruvo::kCtrl);
    else if (ch == 0xDF)
      edit.Undo();
    else
      edit.KeyPress(ch);
    CheckValue(edit.Value());
  }
  edit.ExitFocus();
  CheckValue(edit.Value());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const NumValueSettings settings = ConsumeSettings(data);
  const std::string text = data.ConsumeRandomLengthString();
  ruvo::NumValueModel model(settings);
  model.SetText(text);
  CheckValue(model);
  Check(settings.zeroEnabled || NoLeadingZeros(model.ValueText()));
  TypeKeys(data, settings, text);
  return 0;
}
