#pragma once
// Files of a window test's working folder, written and read as the program
// keeps them: CP932 lines ended by CRLF.

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <string_view>

#include "support/temp_dir.h"
#include "support/test_text.h"

namespace ruvo::test {

// Writes UTF-8 `lines` as a CP932 file with CRLF line ends.
inline void PutCp932Lines(const std::filesystem::path& file,
                          std::initializer_list<std::string_view> lines) {
  std::string bytes;
  for (const std::string_view line : lines)
    bytes += Sj(line) + "\r\n";
  PutFile(file, bytes);
}

}  // namespace ruvo::test
