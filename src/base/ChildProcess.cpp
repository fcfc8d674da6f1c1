#include "ChildProcess.h"

#include <signal.h>
#include <sys/wait.h>

#include <cerrno>
#include <thread>

namespace quillo {

ChildEnding AwaitChild(pid_t child, std::chrono::milliseconds timeLimit) {
  const auto deadline = std::chrono::steady_clock::now() + timeLimit;
  int status = 0;
  for (;;) {
    const pid_t done = waitpid(child, &status, WNOHANG);
    if (done == child) break;
    if (done < 0 && errno != EINTR) return {};
    if (std::chrono::steady_clock::now() >= deadline) {
      kill(child, SIGKILL);
      while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
      }
      return {.timedOut = true};
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  if (WIFEXITED(status)) return {.exitCode = WEXITSTATUS(status)};
  return {.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0};
}

}  // namespace quillo
