#include "Handler.h"

#include <cstdio>
#include <mutex>

namespace quillo {

namespace {

std::mutex sinkLock;
ErrorSink& Sink() {
  static ErrorSink sink;
  return sink;
}

}  // namespace

ErrorSink SetErrorSink(ErrorSink sink) {
  const std::lock_guard lock(sinkLock);
  return std::exchange(Sink(), std::move(sink));
}

void ReportError(const std::string& message) {
  ErrorSink sink;
  {
    const std::lock_guard lock(sinkLock);
    sink = Sink();
  }
  if (sink)
    sink(message);
  else
    std::fprintf(stderr, "quillo: %s\n", message.c_str());
}

}  // namespace quillo
