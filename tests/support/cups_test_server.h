#pragma once
// The private CUPS server that scripts/cups-test-server.sh runs for the
// printing tests (its queues are listed in that script). Test programs built
// with ruvo_add_cups_gtest know its folder as RUVO_CUPS_DIR and the script
// as RUVO_CUPS_SCRIPT.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

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

// The standard output of a shell command.
inline std::string RunCommand(const std::string& command) {
  std::string output;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[4096];
  while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe))
    output.append(buffer, got);
  ::pclose(pipe);
  return output;
}

// Waits up to `limit` until a passthrough queue has written a PDF that a
// reader can open at `pdf`; false when none came.
inline bool WaitForPdf(const std::filesystem::path& pdf, std::chrono::seconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < deadline) {
    std::error_code error;
    if (std::filesystem::file_size(pdf, error) > 0 && !error &&
        RunCommand("pdfinfo '" + pdf.string() + "' 2>/dev/null").find("Pages:") !=
            std::string::npos) {
      return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return false;
}

// The number of pages pdfinfo counts in `pdf`; 0 when it cannot read it.
inline int PdfPageCount(const std::filesystem::path& pdf) {
  const std::string info = RunCommand("pdfinfo '" + pdf.string() + "' 2>/dev/null");
  const std::size_t at = info.find("Pages:");
  return at == std::string::npos ? 0 : std::atoi(info.c_str() + at + 6);
}

// Stops the server's cupsd keeping its queues, as a restarting cupsd looks to
// its clients; the destructor starts it again unless Resume() did.
class PausedCupsServer {
 public:
  PausedCupsServer() : paused_(Script("pause")) {}
  ~PausedCupsServer() { Resume(); }
  PausedCupsServer(const PausedCupsServer&) = delete;
  PausedCupsServer& operator=(const PausedCupsServer&) = delete;

  bool Paused() const { return paused_; }
  // Starts cupsd again on the same queues; true when it answers.
  bool Resume() {
    if (paused_) paused_ = !Script("resume");
    return !paused_;
  }

 private:
  static bool Script(const char* verb) {
    const std::string command =
        std::string("bash '" RUVO_CUPS_SCRIPT "' ") + verb + " '" RUVO_CUPS_DIR "' >/dev/null";
    return std::system(command.c_str()) == 0;
  }

  bool paused_;
};

}  // namespace ruvo::test
