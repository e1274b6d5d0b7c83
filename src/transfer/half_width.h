#pragma once
// Full-width to half-width conversion of CP932 text.

#include <string>
#include <string_view>

namespace ruvo {

// Each character that has a half-width form is replaced by it: full-width
// Latin letters, digits and signs ("１２３－４５６７" → "123-4567"), the
// ideographic space, katakana ("ビル" → "ﾋﾞﾙ": a voiced or semi-voiced kana
// becomes its base and "ﾞ" or "ﾟ") and the marks "、。「」・ー゛゜". Hiragana,
// kanji, katakana without a half-width form ("ヶ"), half-width characters and
// bytes that are no character stay as they are.
//
// The whole text is converted however long it is; the result is never
// longer than the text.
std::string ToHalfWidth(std::string_view text);

// The half-width form of the two-byte character `code` (lead byte × 256 +
// trail byte), or "" when it has none.
std::string_view HalfWidthOf(unsigned code);

}  // namespace ruvo
