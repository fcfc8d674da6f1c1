#pragma once
// Routes the application's error boxes to a recording double while the object
// lives, for widget tests that run without the program's windows.
#include <QApplication>
#include <QStringList>

#include "app/QuilloApplication.h"
#include "support/RecordingServices.h"

namespace quillo::testing {

class ErrorBoxCapture {
 public:
  ErrorBoxCapture() { App().SetErrorBoxes(&boxes_); }
  ~ErrorBoxCapture() { App().SetErrorBoxes(nullptr); }
  ErrorBoxCapture(const ErrorBoxCapture&) = delete;
  ErrorBoxCapture& operator=(const ErrorBoxCapture&) = delete;

  const QStringList& Errors() const { return boxes_.errors; }

 private:
  static QuilloApplication& App() { return *static_cast<QuilloApplication*>(qApp); }

  RecordingMessageBoxes boxes_;
};

}  // namespace quillo::testing
