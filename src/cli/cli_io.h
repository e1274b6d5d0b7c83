#pragma once
// Input, output and option handling shared by the ruvo-slip commands.
//
// Texts cross the tool's boundary as UTF-8, or as raw CP932 bytes when the
// user gave --cp932; inside, every text is CP932 like the rest of the core.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ruvo::cli {

// A mistake in the command line: reported with the usage text, exit code 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Input the command cannot take (a line or a memo beyond its limit): exit
// code 1, the output written so far stands.
class InputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Standard output went bad (a full disk, a closed descriptor): the command
// stops, and main says why with the stream's error (exit code 1).
class OutputError : public std::runtime_error {
 public:
  OutputError() : std::runtime_error("standard output cannot be written") {}
};

struct Context {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  bool cp932 = false;  // stdin and stdout carry raw CP932 bytes
  // The folder the tool was started in, where the postal dictionary is
  // looked for when neither --dict nor --dir names one.
  std::filesystem::path startFolder = ".";
};

// The longest input line a per-line command takes: far beyond any field or
// pasted address, and it bounds the memory when the input holds no line
// break at all (/dev/zero).
inline constexpr std::size_t kMaxInputLineBytes = std::size_t{1} << 20;

// The longest input line a command that keeps only a line's head reads
// through before it gives up: it bounds the time spent on an input that
// holds no line break at all (/dev/zero).
inline constexpr std::size_t kMaxSkippedLineBytes = std::size_t{64} << 20;

// Reads stdin one line at a time: LF, CRLF and CR each end a line, and a
// final line break starts no other line. Each line is converted to CP932
// (characters CP932 cannot hold become "〓", and a warning on stderr names
// the line and how many). It never waits for input beyond the line end,
// and flushes ctx.out before it waits for input at all, so a script can
// talk to a command line by line. InputError for a line beyond `maxBytes`.
// With `keepBytes`, a line is kept only as far as its first `keepBytes`
// CP932 bytes reach (HeadBytes of what is kept equals HeadBytes of the
// whole line); the rest is read through and dropped.
class LineReader {
 public:
  explicit LineReader(Context& ctx, std::size_t maxBytes = kMaxInputLineBytes,
                      std::size_t keepBytes = kMaxInputLineBytes);
  // The next line, or nothing at the end of the input.
  std::optional<std::string> Next();

 private:
  int NextByte();
  std::optional<std::string> NextBytes();

  Context& ctx_;
  std::size_t maxBytes_;
  std::size_t keepRawBytes_;  // of the input's encoding
  std::size_t number_ = 0;    // of the line last read, from 1
  bool afterCr_ = false;      // the last line ended in CR; a LF next is its CRLF
};

// The first `count` lines of stdin (LineReader), each kept as far as its
// first `keepBytes` CP932 bytes; nothing after the last of them is read,
// so whatever follows costs neither time nor memory.
std::vector<std::string> ReadFirstLines(Context& ctx, std::size_t count, std::size_t keepBytes);

// Writes the answer to each stdin line as one output line, out before more
// input is awaited: the per-line commands run in bounded memory and answer
// as they read. OutputError once ctx.out can no longer be written, so an
// endless input into a full disk ends.
void AnswerEachLine(Context& ctx,
                    const std::function<std::string(const std::string& line)>& answer);

// "ruvo-slip: warning: " and the CP932 text, in the output encoding and
// fit for a terminal, on ctx.err.
void Warn(Context& ctx, std::string_view cp932);

// A CP932 text as it goes to stdout: UTF-8, or unchanged with --cp932.
std::string ToOutput(const Context& ctx, std::string_view cp932);

// `text`, in the output encoding, fit for a terminal: a control character
// (the ESC of an escape sequence, CR, BEL; in UTF-8 also U+0080 to U+009F)
// is shown as "\x1b" or "\u009b" and never acts. Every message to stderr
// goes through here, as messages quote the user's arguments.
std::string ForTerminal(const Context& ctx, std::string_view text);

// `text`, already in the output encoding, as a JSON string literal. UTF-8 is
// written by nlohmann/json (malformed UTF-8 becomes U+FFFD); CP932 character
// by character, so that the trail byte 0x5C of "ソ" (0x83 0x5C) is never
// taken for a backslash.
std::string JsonString(const Context& ctx, std::string_view text);

// Walks the arguments of one command. Options take their value as the next
// argument or after "=" ("--dpi 360" or "--dpi=360").
class ArgReader {
 public:
  explicit ArgReader(const std::vector<std::string>& args) : args_(args) {}
  bool Done() const { return pos_ >= args_.size(); }
  // The next argument's option name ("--dpi" of "--dpi=360").
  std::string NextOption();
  // The value of the option just read; UsageError when it is missing.
  std::string Value();
  // Value() as an integer within [min, max]; UsageError otherwise.
  int IntValue(int min, int max);
  // Value() as a CP932 text for the slip (a line, a margin, a printer name):
  // characters CP932 cannot hold become "〓" with a warning, as on stdin; a
  // control character (ESC, CR, LF) is a UsageError, as a slip text is one
  // line of visible characters.
  std::string TextValue(Context& ctx);
  [[noreturn]] void Unknown() const;

 private:
  const std::vector<std::string>& args_;
  std::size_t pos_ = 0;
  std::string current_;
  std::optional<std::string> inlineValue_;
};

}  // namespace ruvo::cli
