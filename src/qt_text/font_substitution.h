#pragma once
// The one place that says which installed font stands in for a face that the
// slip layout or a window names.
//
// The program's faces are Windows fonts that this platform does not have. The
// IPA fonts share their metrics closely enough for the slip's boxes and the
// windows' fields; the proportional ("Ｐ") faces map to the proportional IPA
// families, and DejaVu Sans takes the place of Lucida Sans Unicode.

#include <QString>
#include <string_view>

namespace ruvo {

// The installed family for a face named in CP932 (e.g. "ＭＳ Ｐ明朝" →
// "IPAPMincho"); an unknown face is passed on unchanged.
QString SubstituteFontFamily(std::string_view faceCp932);

}  // namespace ruvo
