// EUC-JIS-2004 decoding on iconv (glibc), the Linux side of the seam.
#include <errno.h>
#include <iconv.h>

#include <array>

#include "postal/euc_jis_codec.h"
#include "transfer/cp932_codec.h"

namespace ruvo::postal {
namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";  // U+FFFD

class EucJisDecoder {
 public:
  EucJisDecoder() : cd_(iconv_open("UTF-8", "EUC-JISX0213")) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw CodecError("iconv cannot convert from EUC-JISX0213 to UTF-8");
    }
  }
  ~EucJisDecoder() { iconv_close(cd_); }
  EucJisDecoder(const EucJisDecoder&) = delete;
  EucJisDecoder& operator=(const EucJisDecoder&) = delete;

  std::string Run(std::string_view in) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    out.reserve(in.size() * 3 / 2);
    char* src = const_cast<char*>(in.data());
    std::size_t left = in.size();
    while (left > 0) {
      const int error = Convert(&src, &left, out);
      if (error != 0 && error != E2BIG) {  // EILSEQ, or EINVAL for a cut-off character
        out.append(kReplacementUtf8);
        ++src;
        --left;
      }
    }
    Convert(nullptr, nullptr, out);  // flushes what the converter still holds
    return out;
  }

 private:
  // One iconv call into a buffer, appended to `out`; iconv's errno, or 0.
  int Convert(char** src, std::size_t* left, std::string& out) {
    std::array<char, 4096> buffer{};
    char* dst = buffer.data();
    std::size_t room = buffer.size();
    const bool failed = iconv(cd_, src, left, &dst, &room) == static_cast<std::size_t>(-1);
    const int error = failed ? errno : 0;
    out.append(buffer.data(), static_cast<std::size_t>(dst - buffer.data()));
    return error;
  }

  iconv_t cd_;
};

}  // namespace

std::string EucJis2004ToUtf8(std::string_view euc) {
  // The dictionary may be loaded on a worker thread: one decoder per thread.
  thread_local EucJisDecoder decoder;
  return decoder.Run(euc);
}

}  // namespace ruvo::postal
