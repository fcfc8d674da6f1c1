#pragma once
// The application object: an error that escapes an event handler is shown in
// the application's error box, and the program goes on.
#include <QApplication>

namespace quillo {

class MessageBoxes;

class QuilloApplication : public QApplication {
  Q_OBJECT
 public:
  QuilloApplication(int& argc, char** argv);

  // Where errors are shown; without one they go to standard error.
  void SetErrorBoxes(MessageBoxes* boxes) { boxes_ = boxes; }
  void ShowError(const QString& text);

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  MessageBoxes* boxes_ = nullptr;
};

}  // namespace quillo
