#pragma once
// Enumerations and small value types of the numeric input box, shared by the
// core editing model and the Qt widget.

#include <cstdint>
#include <initializer_list>

namespace ruvo {

// Horizontal placement of the block of marks and number.
enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

// Vertical placement of the text line.
enum TVertAlignment : std::uint8_t { taTopJustify, taBottomJustify, taVCenter };

enum TBorderStyle : std::uint8_t { bsNone, bsSingle };

enum TOvNumEditOption : std::uint8_t {
  eoMinusOnly,      // a lone "-" survives leaving the box
  eoArrowUp,        // with ArrowFocusMove, Up moves to the previous control
  eoArrowDown,      // with ArrowFocusMove, Down moves to the next control
  eoAutoWidthSize,  // at design time with AutoSize, the width fits the widest number
  eoORInputStop,    // a keystroke whose result would not fit the width is refused
};

// A set of options in one byte: bit n stands for the option of ordinal n.
class TOvNumEditOptions {
 public:
  constexpr TOvNumEditOptions() = default;
  constexpr TOvNumEditOptions(std::initializer_list<TOvNumEditOption> options) {
    for (TOvNumEditOption option : options)
      Include(option);
  }
  constexpr bool Contains(TOvNumEditOption option) const { return (bits_ & Bit(option)) != 0; }
  constexpr void Include(TOvNumEditOption option) { bits_ = std::uint8_t(bits_ | Bit(option)); }
  constexpr void Exclude(TOvNumEditOption option) { bits_ = std::uint8_t(bits_ & ~Bit(option)); }
  constexpr std::uint8_t Bits() const { return bits_; }
  friend constexpr bool operator==(TOvNumEditOptions, TOvNumEditOptions) = default;

 private:
  static constexpr unsigned Bit(TOvNumEditOption option) { return 1u << unsigned(option); }
  std::uint8_t bits_ = 0;
};

// The keys the box reacts to at key-down; the widget maps its toolkit's keys
// onto these and everything else onto kOther.
enum class NumKey : std::uint8_t {
  kOther,
  kLeft,
  kRight,
  kUp,
  kDown,
  kPageUp,
  kPageDown,
  kHome,
  kEnd,
  kBackspace,
  kDelete,
  kA,
  kC,
  kV,
  kX,
};

// Modifier state of a key-down, compared exactly: "Shift only" is kShift
// without kCtrl and kAlt.
enum NumModifiers : std::uint8_t {
  kNoModifier = 0,
  kShift = 1,
  kCtrl = 2,
  kAlt = 4,
};

constexpr NumModifiers operator|(NumModifiers a, NumModifiers b) {
  return NumModifiers(unsigned(a) | unsigned(b));
}

// A focus move the box asks of its parent form. The widget posts it, so that
// it takes effect after the current key or character has been handled.
enum class FocusMove : std::uint8_t { kNone, kNext, kPrevious };

}  // namespace ruvo
