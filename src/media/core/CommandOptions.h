#pragma once
// The one-shot options of a media player: Wait, Notify, From and To, each set
// for the next command only. A command that honours an option clears it.
#include <optional>

namespace quillo {

// What a command is sent with.
struct CommandFlags {
  bool wait = false;    // return only when the command has finished
  bool notify = false;  // send a completion notice
  std::optional<int> from;
  std::optional<int> to;
};

class CommandOptions {
 public:
  void SetWait(bool wait) { wait_ = wait; }
  void SetNotify(bool notify) { notify_ = notify; }
  void SetFrom(int position) { from_ = position; }
  void SetTo(int position) { to_ = position; }
  bool FromOrToSet() const { return from_.has_value() || to_.has_value(); }

  // A general command waits unless a wait option says no, and notifies only
  // when a notify option says yes; it uses up both options.
  CommandFlags General();
  // Play, record and resume reverse that: they notify unless a notify option
  // says no and wait only when a wait option says yes. Play and record also
  // take From and To (withPositions).
  CommandFlags Playing(bool withPositions);

 private:
  std::optional<bool> wait_;
  std::optional<bool> notify_;
  std::optional<int> from_;
  std::optional<int> to_;
};

}  // namespace quillo
