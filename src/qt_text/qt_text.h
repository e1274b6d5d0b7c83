#pragma once
// CP932 <-> QString at the Qt edge, through the program's one codec.

#include <QString>
#include <string_view>

#include "transfer/cp932_codec.h"

namespace ruvo {

QString Cp932ToQString(std::string_view cp932);

// `replaced` counts the characters that CP932 cannot hold and that became
// "〓"; the window reports them in its status bar.
Cp932Text QStringToCp932(const QString& text);

}  // namespace ruvo
