// CP932 conversion on iconv (glibc), the Linux side of the codec.
#include <errno.h>
#include <iconv.h>

#include <array>

#include "transfer/cp932_codec.h"

namespace ruvo {
namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";  // U+FFFD

// One open converter, reset before each use; the program converts on one
// thread at a time, and every thread gets its own converter.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw CodecError(std::string("iconv cannot convert from ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts `in`; on a character that cannot be converted calls
  // `onBad(out, in, left)`, which appends its replacement and skips input.
  template <typename OnBad>
  std::string Run(std::string_view in, OnBad onBad) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    out.reserve(in.size() * 2);
    char* src = const_cast<char*>(in.data());
    std::size_t left = in.size();
    std::array<char, 4096> buffer{};
    while (left > 0) {
      char* dst = buffer.data();
      std::size_t room = buffer.size();
      const std::size_t rc = iconv(cd_, &src, &left, &dst, &room);
      out.append(buffer.data(), static_cast<std::size_t>(dst - buffer.data()));
      if (rc != static_cast<std::size_t>(-1)) continue;
      if (errno == E2BIG) continue;
      onBad(out, src, left);  // EILSEQ or EINVAL (truncated sequence at the end)
    }
    return out;
  }

 private:
  iconv_t cd_;
};

// Length of the UTF-8 sequence starting with `lead`, at least 1.
std::size_t Utf8SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
  if (lead >= 0xC2) return 2;
  return 1;
}

}  // namespace

Cp932Text Utf8ToCp932(std::string_view utf8) {
  thread_local Converter converter("CP932", "UTF-8");
  Cp932Text result;
  result.bytes = converter.Run(utf8, [&](std::string& out, char*& src, std::size_t& left) {
    std::size_t skip = Utf8SequenceLength(static_cast<unsigned char>(*src));
    // Skip a whole character when it is well formed, else one byte at a time.
    for (std::size_t i = 1; i < skip; ++i) {
      if (i >= left || (static_cast<unsigned char>(src[i]) & 0xC0) != 0x80) {
        skip = 1;
        break;
      }
    }
    out.append(kCp932Geta);
    ++result.replaced;
    src += skip;
    left -= skip;
  });
  return result;
}

std::string Cp932ToUtf8(std::string_view cp932) {
  thread_local Converter converter("UTF-8", "CP932");
  return converter.Run(cp932, [](std::string& out, char*& src, std::size_t& left) {
    out.append(kReplacementUtf8);
    ++src;
    --left;
  });
}

}  // namespace ruvo
