#pragma once
// The application object. It installs the sink of the error helper
// (base/Handler.h): a failure that escapes a handler is shown in the
// application's error box, on the user-interface thread, and the program goes
// on. notify() catches what still escapes a handler, as the last net.
#include <QApplication>
#include <memory>

#include "base/Handler.h"

namespace quillo {

class MessageBoxes;
class TMyHintWindow;

class QuilloApplication : public QApplication {
  Q_OBJECT
 public:
  QuilloApplication(int& argc, char** argv);
  ~QuilloApplication() override;

  // Where errors are shown; without one they go to standard error.
  void SetErrorBoxes(MessageBoxes* boxes) { boxes_ = boxes; }
  // Shows an error box; from another thread it is queued to this object's thread.
  void ShowError(const QString& text);

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  MessageBoxes* boxes_ = nullptr;
  std::unique_ptr<TMyHintWindow> hintWindow_;  // every control's hints
  ErrorSink previousSink_;
};

}  // namespace quillo
