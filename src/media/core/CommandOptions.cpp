#include "media/core/CommandOptions.h"

#include <utility>

namespace quillo {

CommandFlags CommandOptions::General() {
  CommandFlags flags;
  flags.wait = wait_.value_or(true);
  flags.notify = notify_.value_or(false);
  wait_.reset();
  notify_.reset();
  return flags;
}

CommandFlags CommandOptions::Playing(bool withPositions) {
  CommandFlags flags;
  flags.notify = notify_.value_or(true);
  flags.wait = wait_.value_or(false);
  wait_.reset();
  notify_.reset();
  if (withPositions) {
    flags.from = std::exchange(from_, std::nullopt);
    flags.to = std::exchange(to_, std::nullopt);
  }
  return flags;
}

}  // namespace quillo
