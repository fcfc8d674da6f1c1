#pragma once
// Waiting for a child process that runs library code which may hang or crash
// (Ghostscript on a PostScript program, an encoder being tried, the
// synthesiser rendering the music), so that either costs the child, not the
// program.
#include <sys/types.h>

#include <chrono>

namespace quillo {

struct ChildEnding {
  bool timedOut = false;  // killed at the time limit
  int exitCode = -1;      // when it exited by itself; -1 when a signal ended it
  int signal = 0;         // the signal that ended it, when one did
};

// Waits for the child until the time limit and kills it beyond.
ChildEnding AwaitChild(pid_t child, std::chrono::milliseconds timeLimit);

}  // namespace quillo
