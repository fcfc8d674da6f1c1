#pragma once
// How Quillo reports failure: every function that can fail throws quillo::Error
// with a message fit to show the user. The application's handler catches it and
// shows it in a message box; command-line tools print it. Functions that read
// outside data validate everything first, so a throw leaves the state they
// would replace untouched.
#include <stdexcept>
#include <string>

namespace quillo {

class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace quillo
