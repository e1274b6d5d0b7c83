#pragma once
// The private CUPS server that scripts/cups-test-server.sh runs for the
// printing tests (its queues are listed in that script). Test programs built
// with ruvo_add_cups_gtest know its folder as RUVO_CUPS_DIR.

#include <cstdlib>
#include <filesystem>
#include <string>

#ifndef RUVO_CUPS_DIR
#error "build this test with ruvo_add_cups_gtest, which defines RUVO_CUPS_DIR"
#endif

namespace ruvo::test {

// Points libcups, and Qt's printing through it, at the test server. Call
// before the first printer query of the process: libcups reads it once.
inline void UseTestCupsServer() {
  ::setenv("CUPS_SERVER", RUVO_CUPS_DIR "/cups.sock", 1);
}

// Where the passthrough queues write their PDF ("<queue>.pdf") and the stock
// cups-pdf queue its files ("stock/").
inline std::filesystem::path TestCupsOutputDir() {
  return RUVO_CUPS_DIR "/out";
}

}  // namespace ruvo::test
