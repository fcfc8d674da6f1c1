// Time from starting a program to its first painted frame:
//   StartupTime STAMP_FILE TIMEOUT_MS PROGRAM [ARGS...]
// Notes the monotonic clock, starts PROGRAM with QUILLO_FIRST_PAINT_STAMP
// naming STAMP_FILE, waits for the program to write the monotonic clock of its
// first painted frame there, then ends the program and prints the difference
// in microseconds. Exit status 1 when the program ends first or the stamp does
// not come within TIMEOUT_MS, 2 on bad arguments.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// The stamp once it is completely written: digits and a line end.
std::optional<long long> ReadStamp(const char* path) {
  std::ifstream in(path);
  std::string text;
  if (!in || !std::getline(in, text) || in.eof() || text.empty()) return std::nullopt;
  std::istringstream number(text);
  long long ns = 0;
  if (!(number >> ns)) return std::nullopt;
  return ns;
}

// Ends the program at once: what it does after its first frame is not
// measured, and a sound library may hold back SIGTERM.
void Stop(pid_t child) {
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s STAMP_FILE TIMEOUT_MS PROGRAM [ARGS...]\n", argv[0]);
    return 2;
  }
  const char* stamp = argv[1];
  const long timeoutMs = std::strtol(argv[2], nullptr, 10);
  if (timeoutMs <= 0) {
    std::fprintf(stderr, "TIMEOUT_MS must be a positive number\n");
    return 2;
  }
  std::remove(stamp);
  if (setenv("QUILLO_FIRST_PAINT_STAMP", stamp, 1) != 0) return 2;

  const Clock::time_point start = Clock::now();
  const pid_t child = fork();
  if (child < 0) {
    std::perror("fork");
    return 1;
  }
  if (child == 0) {
    execv(argv[3], argv + 3);
    std::fprintf(stderr, "cannot start %s: %s\n", argv[3], std::strerror(errno));
    _exit(127);
  }

  const auto deadline = start + std::chrono::milliseconds(timeoutMs);
  while (Clock::now() < deadline) {
    if (const std::optional<long long> ns = ReadStamp(stamp)) {
      const long long begun =
          std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch()).count();
      Stop(child);
      std::printf("%lld\n", (*ns - begun) / 1000);
      return 0;
    }
    int status = 0;
    if (waitpid(child, &status, WNOHANG) == child) {
      std::fprintf(stderr, "%s ended before its first painted frame (status %d)\n", argv[3],
                   WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
      return 1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  Stop(child);
  std::fprintf(stderr, "no first painted frame within %ld ms\n", timeoutMs);
  return 1;
}
