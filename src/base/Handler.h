#pragma once
// Errors at the toolkit boundary. Every event handler, slot and callback that
// can fail runs through RunHandler: a quillo::Error (or any other exception)
// that escapes it is reported and swallowed there, so that nothing is thrown
// through the toolkit's own dispatch, whose state is not promised to survive
// it. The application installs the sink, which shows the message in its error
// box on the user-interface thread; without a sink messages go to standard
// error.
#include <exception>
#include <functional>
#include <new>
#include <string>
#include <utility>

#include "Error.h"

namespace quillo {

using ErrorSink = std::function<void(const std::string& message)>;

// Installs the sink (an empty one restores standard error) and returns the
// previous one. Set it before any worker thread starts.
ErrorSink SetErrorSink(ErrorSink sink);

// Reports a failure through the sink; callable from any thread (the sink
// takes the message to the user-interface thread).
void ReportError(const std::string& message);

// Runs a handler; returns false when it failed, after reporting why.
template <class Handler>
bool RunHandler(Handler&& handler) noexcept {
  try {
    std::forward<Handler>(handler)();
    return true;
  } catch (const Error& e) {
    ReportError(e.what());
  } catch (const std::bad_alloc&) {
    ReportError("Not enough memory");
  } catch (const std::exception& e) {
    ReportError(e.what());
  } catch (...) {
    ReportError("Unexpected failure");
  }
  return false;
}

}  // namespace quillo
