#include "SilencedStandardError.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace quillo {

namespace {

std::mutex silencing;

}  // namespace

SilencedStandardError::SilencedStandardError() : lock_(silencing) {
  std::fflush(stderr);
  saved_ = dup(STDERR_FILENO);
  const int nothing = open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (saved_ >= 0 && nothing >= 0) dup2(nothing, STDERR_FILENO);
  if (nothing >= 0) close(nothing);
}

SilencedStandardError::~SilencedStandardError() {
  std::fflush(stderr);
  if (saved_ < 0) return;
  dup2(saved_, STDERR_FILENO);
  close(saved_);
}

}  // namespace quillo
