#pragma once
// The numeric box's platform services on Qt: the application clipboard, the
// application beep, and the width test of one box's size and font.

#include <string>
#include <string_view>

#include "numedit/num_edit_services.h"

namespace ruvo {

class TOvNumEdit;

// QGuiApplication::clipboard() as CP932 text. A character CP932 cannot hold
// is read as "〓", where the number parse stops.
class QtNumClipboard final : public NumClipboard {
 public:
  bool HasText() const override;
  std::string Text() const override;
  void SetText(std::string_view cp932) override;
};

class QtNumBeeper final : public NumBeeper {
 public:
  void Beep() override;
};

// Asks the box whether a value's display fits its current room.
class WidgetWidthTest final : public NumWidthTest {
 public:
  explicit WidgetWidthTest(const TOvNumEdit& box) : box_(box) {}
  bool TextFits(std::string_view value) const override;

 private:
  const TOvNumEdit& box_;
};

}  // namespace ruvo
