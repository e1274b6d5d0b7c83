// The per-line commands and transfer, run as built: they answer each line as
// it comes and refuse input beyond their limits instead of running out of
// memory.
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include "cli/slip_cli_fixture.h"

namespace ruvo::test {
namespace {

// ruvo-slip COMMAND with its stdin and stdout on pipes of this process.
class Conversation {
 public:
  explicit Conversation(const char* command) {
    int in[2], out[2];
    if (::pipe(in) != 0 || ::pipe(out) != 0) throw std::runtime_error("pipe");
    pid_ = ::fork();
    if (pid_ == 0) {
      ::dup2(in[0], 0);
      ::dup2(out[1], 1);
      ::close(in[1]);
      ::close(out[0]);
      ::execl(RUVO_SLIP_EXE, RUVO_SLIP_EXE, command, static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    toCommand_ = in[1];
    fromCommand_ = out[0];
  }
  Conversation(const Conversation&) = delete;
  Conversation& operator=(const Conversation&) = delete;
  ~Conversation() {
    ::close(fromCommand_);
    if (toCommand_ >= 0) ::close(toCommand_);
    ::waitpid(pid_, nullptr, 0);
  }

  void Say(std::string_view text) {
    ASSERT_EQ(::write(toCommand_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
  }
  // What the command has written within ten seconds, up to a line end.
  std::string Answer() {
    std::string answer;
    pollfd ready{fromCommand_, POLLIN, 0};
    while (!answer.ends_with('\n') && ::poll(&ready, 1, 10000) == 1) {
      char c;
      if (::read(fromCommand_, &c, 1) != 1) break;
      answer += c;
    }
    return answer;
  }
  int Finish() {
    ::close(toCommand_);
    toCommand_ = -1;
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  pid_t pid_ = -1;
  int toCommand_ = -1;
  int fromCommand_ = -1;
};

// A script keeps one command running and waits for each answer before it
// sends the next line; a line ended by CR alone is answered too.
TEST(LineCommandsTest, AnswerEachLineBeforeTheNextComes) {
  const struct {
    const char* command;
    const char* line;
    const char* answer;
  } rows[] = {
      {"halfwidth", "\xEF\xBC\xA1\xEF\xBC\xA2\n", "AB\n"},  // ＡＢ
      {"numtext", "007\r", "7\n"},
      {"classify", "\xE3\x80\x92\n", "{\"ZipTelCheck\""},  // 〒
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.command);
    Conversation conversation(row.command);
    for (int round = 0; round < 2; ++round) {
      conversation.Say(row.line);
      EXPECT_TRUE(conversation.Answer().starts_with(row.answer));
    }
    EXPECT_EQ(conversation.Finish(), 0);
  }
}

class InputLimitTest : public SlipCliTest {};

TEST_F(InputLimitTest, InputBeyondTheLimitsIsRefusedWithoutRunningOutOfMemory) {
  const fs::path noLineBreak = dir_ / "zeros";
  std::ofstream(noLineBreak) << "1\n";
  fs::resize_file(noLineBreak, (std::uintmax_t{65} << 20));  // sparse: 65 MiB of NUL
  const struct {
    const char* command;
    const char* out;
    const char* err;
  } rows[] = {
      {"halfwidth", "1\n", "ruvo-slip halfwidth: input line 2 is longer than 1048576 bytes\n"},
      {"transfer", "", "ruvo-slip transfer: the input is larger than 67108864 bytes\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.command);
    const std::string line = std::string(RUVO_SLIP_EXE) + " " + row.command + " <'" +
                             noLineBreak.string() + "' >'" + (dir_ / "out").string() + "' 2>'" +
                             (dir_ / "err").string() + "'";
    const int status = std::system(line.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(ReadFile(dir_ / "out"), row.out);
    EXPECT_EQ(ReadFile(dir_ / "err"), row.err);
  }
}

}  // namespace
}  // namespace ruvo::test
