#include "batch/batch_problem.h"

namespace ruvo::batch::reason {
namespace {

// "長すぎます("
constexpr std::string_view kTooLong = "\x92\xB7\x82\xB7\x82\xAC\x82\xDC\x82\xB7(";
// "バイトまで、"
constexpr std::string_view kBytesAllowed = "\x83\x6F\x83\x43\x83\x67\x82\xDC\x82\xC5\x81\x41";
// "バイトあります)"
constexpr std::string_view kBytesGiven =
    "\x83\x6F\x83\x43\x83\x67\x82\xA0\x82\xE8\x82\xDC\x82\xB7)";

}  // namespace

std::string TooLong(std::size_t limit, std::size_t given) {
  std::string text(kTooLong);
  text += std::to_string(limit);
  text += kBytesAllowed;
  text += std::to_string(given);
  text += kBytesGiven;
  return text;
}

}  // namespace ruvo::batch::reason
