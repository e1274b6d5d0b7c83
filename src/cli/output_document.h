#pragma once
// A document ruvo-slip writes where the command line names it (a PDF): a
// file, replaced whole, or a stream the program was handed.

#include <optional>
#include <string>
#include <string_view>

#include "cli/cli_io.h"

namespace ruvo::cli {

// The descriptor a name stands for: "-" and "/dev/stdout" are 1,
// "/dev/stderr" 2, "/dev/fd/N" and "/proc/self/fd/N" N. Such a name means
// the stream the program was handed (a redirection, a pipe, a log opened
// for appending), not the file behind it: that file is written from where
// the stream stands and never replaced, so what came before and what comes
// after stay in it. Nothing for any other name.
std::optional<int> DocumentDescriptor(std::string_view name);

// Writes `bytes` as the document `name`: into its stream, or as a file
// replaced whole (a device or FIFO written into). Throws FileWriteError
// ("/dev/stdout に書き込めません: No space left on device").
void WriteDocument(Context& ctx, const std::string& name, std::string_view bytes);

// Whether the document `name` goes where standard output goes (its stream,
// or the file standard output was redirected to): a report on standard
// output would then run into it.
bool DocumentGoesToStandardOutput(const std::string& name);

}  // namespace ruvo::cli
