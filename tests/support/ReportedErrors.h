#pragma once
// Records what handlers report through RunHandler while the object lives.
// Only RunHandler reports through the error sink: a failure that escaped to
// the application's last net (notify) would not arrive here.
#include <QString>
#include <QStringList>
#include <string>
#include <utility>

#include "base/Handler.h"

namespace quillo::testing {

class ReportedErrors {
 public:
  ReportedErrors()
      : previous_(
            SetErrorSink([this](const std::string& m) { messages << QString::fromStdString(m); })) {
  }
  ~ReportedErrors() { SetErrorSink(std::move(previous_)); }
  ReportedErrors(const ReportedErrors&) = delete;
  ReportedErrors& operator=(const ReportedErrors&) = delete;

  QStringList messages;

 private:
  ErrorSink previous_;
};

}  // namespace quillo::testing
