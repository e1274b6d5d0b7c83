#pragma once
// The postal-code directory for the ruvo-slip commands, and its answers as
// JSON.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "cli/cli_io.h"
#include "postal/postal_directory.h"
#include "postal/postal_loader.h"

namespace ruvo::cli {

// Where the directory comes from: --dict's file when given, else what the
// window would read in the working folder `folder`: the variable
// RUVO_ZIP_DICT's dictionary, the imported data, the setting's or Debian's
// dictionary. Compiled in the user's cache folder (XDG_CACHE_HOME, else
// ~/.cache).
postal::PostalSource ZipSource(const std::optional<std::string>& dict,
                               const std::filesystem::path& folder);

// The directory of ZipSource: one from --dict's file that cannot be read is
// an error (exit code 1); any other gives an empty directory and the
// window's notice on stderr.
postal::PostalDirectory LoadZipDirectory(Context& ctx, const std::optional<std::string>& dict,
                                         const std::filesystem::path& folder);

// The code's addresses as a JSON list: ["東京都港区芝公園"], [] when unknown.
std::string JsonZipAddresses(const Context& ctx, const postal::PostalDirectory& directory,
                             std::string_view code);

// {"zip":"1050011", "addresses":[...]} for a postal code (CP932, as the
// user wrote it), with "verdict" when an address is given.
std::string JsonZipAnswer(const Context& ctx, const postal::PostalDirectory& directory,
                          postal::PostalCode code, const std::optional<std::string>& address);

// {"verdict":"match", "addresses":[...]} for a slip's postal code and its
// address (postal::WholeAddress of its lines). The dictionary is read
// (LoadZipDirectory) only when `code` is a postal code; otherwise the
// verdict is "unknown" with no addresses.
std::string JsonZipCheck(Context& ctx, const std::optional<std::string>& dict,
                         std::string_view code, std::string_view address);

}  // namespace ruvo::cli
