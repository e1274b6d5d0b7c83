#pragma once
// Tests where several programs share one file: each writer runs in a child
// process of its own, as a second program would.

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace ruvo::test {

// Runs `body` in a child process, which ends with its result.
inline pid_t InChild(const std::function<int()>& body) {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(body());
  return pid;
}

// The child's exit status once it has ended; -1 when it did not exit.
inline int ExitCodeOf(pid_t pid) {
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace ruvo::test
