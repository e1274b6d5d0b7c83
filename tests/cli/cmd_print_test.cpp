// ruvo-slip print run as built, by an ordinary user, on a working folder
// that user may not enter: nothing is printed (root enters any folder, so
// the command runs as "nobody" when the tests run as root).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "cli/slip_cli_fixture.h"
#include "unprivileged_user.h"

namespace ruvo::test {
namespace {

// Runs ruvo-slip with `args` as the test user. The program is started
// through a descriptor opened first, so the user need not be able to reach
// the build tree (a checkout in a private home folder).
RunResult RunSlipAsTestUser(const std::vector<std::string>& args, const fs::path& scratch) {
  const fs::path out = scratch / "stdout.txt";
  const fs::path err = scratch / "stderr.txt";
  int program = -1;
  const int status = RunAsTestUser(
      [&] {
        std::vector<char*> argv{const_cast<char*>("ruvo-slip")};
        for (const std::string& arg : args)
          argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        char* env[] = {const_cast<char*>("LC_ALL=C.UTF-8"), nullptr};
        ::fexecve(program, argv.data(), env);
        return false;
      },
      [&] {
        program = ::open(RUVO_SLIP_EXE, O_RDONLY | O_CLOEXEC);
        ::dup2(::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), STDOUT_FILENO);
        ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), STDERR_FILENO);
      });
  return {status, ReadFile(out), ReadFile(err)};
}

class PrintCommandTest : public SlipCliTest {};

TEST_F(PrintCommandTest, FolderTheUserMayNotEnterPrintsNothing) {
  ASSERT_EQ(::chmod(dir_.c_str(), 0755), 0);
  const fs::path locked = dir_ / "locked";
  fs::create_directory(locked);
  WriteCp932(locked / "ruvo_Rezovod.ini", {"[rv_RezovodPrn]", "E_CUS=山田太郎"});
  ASSERT_EQ(::chmod(locked.c_str(), 0700), 0);  // root's, or the test user's own made 0
  if (::geteuid() != 0) {
    ASSERT_EQ(::chmod(locked.c_str(), 0), 0);
  }
  const fs::path scratch = dir_ / "scratch";
  fs::create_directory(scratch);
  GiveToTestUser(scratch);

  const RunResult run =
      RunSlipAsTestUser({"print", "--dir", locked.string(), "--dpi", "360"}, scratch);
  ::chmod(locked.c_str(), 0700);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "ruvo-slip print: " + locked.string() +
                         ": Permission denied (the working folder cannot be read)\n");
}

}  // namespace
}  // namespace ruvo::test
