#pragma once
// Test helper: write expected texts as readable UTF-8 and compare them as the
// CP932 bytes the core works with.

#include <string>
#include <string_view>

#include "transfer/cp932_codec.h"

namespace ruvo::test {

// UTF-8 literal → CP932 bytes ("東京" → 93 8C 8B 9E).
inline std::string Sj(std::string_view utf8) {
  return Utf8ToCp932(utf8).bytes;
}

// CP932 bytes → UTF-8, for readable failure messages.
inline std::string Utf8(std::string_view cp932) {
  return Cp932ToUtf8(cp932);
}

// The message of the `Error` that `run` throws, or "(no error)".
template <typename Error, typename Run>
std::string MessageOf(Run run) {
  try {
    run();
  } catch (const Error& error) {
    return error.what();
  }
  return "(no error)";
}

}  // namespace ruvo::test
