// Time from starting a program to its first painted frame:
//   StartupTime STAMP_FILE TIMEOUT_MS PROGRAM [ARGS...]
// Notes the monotonic clock, starts PROGRAM with QUILLO_FIRST_PAINT_STAMP
// naming STAMP_FILE, waits for the program to write the monotonic clock of its
// first painted frame there, then ends the program and prints the difference
// in microseconds. Exit status 1 when the program ends first or the stamp does
// not come within TIMEOUT_MS, 2 on bad arguments.
// With STARTUP_HOLD_MS set, the program runs that long from its start, and
// the line gives two more numbers: the time to the first sound SDL's disk
// driver writes to SDL_DISKAUDIOFILE (its first sample that is not silence;
// -1 when none came), in microseconds, and the program's peak resident memory
// (VmHWM) at the end, in kilobytes.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
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

// The peak resident memory of the process, in kilobytes; -1 when unknown.
long PeakMemoryKb(pid_t child) {
  std::ifstream in("/proc/" + std::to_string(child) + "/status");
  std::string line;
  while (std::getline(in, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  return -1;
}

// Whether the file holds a byte that is not zero (16-bit silence is zeros),
// looking from offset on; offset moves past what was read.
bool SoundIn(const char* path, std::streamoff& offset) {
  std::ifstream in(path, std::ios::binary);
  if (!in.seekg(offset)) return false;
  char block[65536];
  while (in.read(block, sizeof block) || in.gcount() > 0) {
    const std::streamsize got = in.gcount();
    for (std::streamsize i = 0; i < got; ++i)
      if (block[i] != 0) return true;
    offset += got;
  }
  return false;
}

long long Micros(Clock::duration d) {
  return std::chrono::duration_cast<std::chrono::microseconds>(d).count();
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

  const char* hold = std::getenv("STARTUP_HOLD_MS");
  const long holdMs = hold ? std::strtol(hold, nullptr, 10) : 0;
  const char* sound = std::getenv("SDL_DISKAUDIOFILE");
  std::streamoff soundOffset = 0;
  long long soundUs = -1;
  std::optional<long long> paintUs;
  const auto deadline = start + std::chrono::milliseconds(std::max(timeoutMs, holdMs));
  while (Clock::now() < deadline) {
    if (!paintUs) {
      if (const std::optional<long long> ns = ReadStamp(stamp)) {
        const long long begun =
            std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch()).count();
        paintUs = (*ns - begun) / 1000;
      }
    }
    if (holdMs > 0 && sound && soundUs < 0 && SoundIn(sound, soundOffset))
      soundUs = Micros(Clock::now() - start);
    if (paintUs && Clock::now() - start >= std::chrono::milliseconds(holdMs)) {
      if (holdMs > 0) {
        const long peak = PeakMemoryKb(child);
        Stop(child);
        std::printf("%lld %lld %ld\n", *paintUs, soundUs, peak);
      } else {
        Stop(child);
        std::printf("%lld\n", *paintUs);
      }
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
