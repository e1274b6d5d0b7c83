#pragma once
// Tests of permissions that root passes (ACLs, a folder nobody may enter)
// run their body as an ordinary user: as root, in a child process that has
// become "nobody"; as any other user, as that user. A file the body works on
// is given to that user first (GiveToTestUser).

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <exception>
#include <filesystem>
#include <functional>

namespace ruvo::test {

struct TestUser {
  uid_t uid = 0;
  gid_t gid = 0;
};

// "nobody" when running as root, else the user running the test.
inline TestUser UnprivilegedUser() {
  if (::geteuid() != 0) return {::geteuid(), ::getegid()};
  const passwd* nobody = ::getpwnam("nobody");
  return nobody != nullptr ? TestUser{nobody->pw_uid, nobody->pw_gid} : TestUser{65534, 65534};
}

// Makes `path` the test user's (a no-op unless root).
inline void GiveToTestUser(const std::filesystem::path& path) {
  const TestUser user = UnprivilegedUser();
  if (::geteuid() == 0 && ::lchown(path.c_str(), user.uid, user.gid) != 0) std::terminate();
}

// Runs `body` as the test user in a child process, after `beforeDropping`
// ran in that child with the test's own rights (to open what the user may
// not reach). Returns the child's exit status: 0 when `body` returned true,
// 1 when it returned false or threw, 3 when the child could not become the
// user, -1 when it died of a signal; a body that executes a program gives
// that program's status. A child of a test program keeps no state the
// parent needs, so it ends with _exit.
inline int RunAsTestUser(const std::function<bool()>& body,
                         const std::function<void()>& beforeDropping = {}) {
  const TestUser user = UnprivilegedUser();
  const pid_t child = ::fork();
  if (child < 0) return -1;
  if (child == 0) {
    if (beforeDropping) beforeDropping();
    if (::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(user.gid) != 0 || ::setuid(user.uid) != 0)) {
      ::_exit(3);
    }
    bool ok = false;
    try {
      ok = body();
    } catch (...) {
      ok = false;
    }
    ::_exit(ok ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace ruvo::test
