#pragma once
// Message boxes as a platform service, so that tests can drive every screen
// without a person: the real one shows a box, the null one records the text.
#include <QString>
#include <QStringList>

class QWidget;

namespace quillo {

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // The application's error box: a message and an OK button.
  virtual void ShowError(const QString& text) = 0;
};

class QtMessageBoxes final : public MessageBoxes {
 public:
  void ShowError(const QString& text) override;
};

// Records every message and prints it on standard error.
class NullMessageBoxes final : public MessageBoxes {
 public:
  void ShowError(const QString& text) override;
  QStringList errors;
};

}  // namespace quillo
