#include "cli/zip_directory.h"

#include <filesystem>
#include <ostream>
#include <stdexcept>

#include "postal/postal_check.h"
#include "postal/postal_loader.h"

namespace ruvo::cli {

postal::PostalDirectory LoadZipDirectory(Context& ctx, const std::optional<std::string>& dict,
                                         const std::filesystem::path& folder) {
  const postal::ZipDictionaryFiles files =
      dict ? postal::ZipDictionaryFilesFor(*dict) : postal::ResolveZipDictionary(folder);
  postal::LoadedPostalDirectory loaded = postal::LoadPostalDirectory(files);
  if (!loaded.problem.empty()) {
    if (dict) throw std::runtime_error(loaded.problem);
    ctx.err << "ruvo-slip: warning: "
            << ToOutput(ctx, postal::ZipDictionaryUnavailableNotice(loaded.problem)) << '\n';
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

std::string JsonZipCheck(Context& ctx, const std::optional<std::string>& dict,
                         std::string_view code, std::string_view address1) {
  const postal::PostalDirectory directory = postal::ParsePostalCode(code)
                                                ? LoadZipDirectory(ctx, dict, ctx.startFolder)
                                                : postal::PostalDirectory();
  const postal::ZipVerdict verdict = postal::CheckPostalAddress(directory, code, address1);
  return "{\"verdict\":" + JsonString(ctx, postal::ZipVerdictName(verdict)) +
         ", \"addresses\":" + JsonZipAddresses(ctx, directory, code) + "}";
}

}  // namespace ruvo::cli
