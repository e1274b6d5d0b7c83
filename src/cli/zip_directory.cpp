#include "cli/zip_directory.h"

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <stdexcept>

#include "postal/postal_check.h"

namespace ruvo::cli {

postal::PostalSource ZipSource(const std::optional<std::string>& dict,
                               const std::filesystem::path& folder) {
  const char* variable = std::getenv(postal::kZipDictionaryVariable);
  const std::string named = dict ? *dict : variable != nullptr ? variable : "";
  return postal::ResolvePostalSource(
      folder, named, postal::UserCacheFolder(std::getenv("XDG_CACHE_HOME"), std::getenv("HOME")));
}

postal::PostalDirectory LoadZipDirectory(Context& ctx, const std::optional<std::string>& dict,
                                         const std::filesystem::path& folder) {
  postal::LoadedPostalDirectory loaded = postal::LoadPostalDirectory(ZipSource(dict, folder));
  if (!loaded.notice.empty()) Warn(ctx, loaded.notice);
  if (!loaded.problem.empty()) {
    if (dict) throw std::runtime_error(loaded.problem);
    Warn(ctx, postal::ZipDictionaryUnavailableNotice(loaded.problem));
  }
  return std::move(loaded.directory);
}

std::string JsonZipAddresses(const Context& ctx, const postal::PostalDirectory& directory,
                             std::string_view code) {
  std::string json = "[";
  if (const auto parsed = postal::ParsePostalCode(code)) {
    for (const auto& entry : directory.Find(*parsed)) {
      if (json.size() > 1) json += ", ";
      json += JsonString(ctx, ToOutput(ctx, entry.address));
    }
  }
  return json + "]";
}

std::string JsonZipAnswer(const Context& ctx, const postal::PostalDirectory& directory,
                          postal::PostalCode code, const std::optional<std::string>& address) {
  const std::string digits = postal::DigitsOf(code);
  std::string json = "{\"zip\":" + JsonString(ctx, digits) +
                     ", \"addresses\":" + JsonZipAddresses(ctx, directory, digits);
  if (address) {
    const postal::ZipVerdict verdict = postal::JudgeAddress(directory, code, *address);
    json += ", \"verdict\":" + JsonString(ctx, postal::ZipVerdictName(verdict));
  }
  return json + "}";
}

std::string JsonZipCheck(Context& ctx, const std::optional<std::string>& dict,
                         std::string_view code, std::string_view address) {
  const postal::PostalDirectory directory = postal::ParsePostalCode(code)
                                                ? LoadZipDirectory(ctx, dict, ctx.startFolder)
                                                : postal::PostalDirectory();
  const postal::ZipVerdict verdict = postal::CheckPostalAddress(directory, code, address);
  return "{\"verdict\":" + JsonString(ctx, postal::ZipVerdictName(verdict)) +
         ", \"addresses\":" + JsonZipAddresses(ctx, directory, code) + "}";
}

}  // namespace ruvo::cli
