#pragma once
// The program's hint window: every control's hint is shown in it, in
// "Times New Roman" 10 (Liberation Serif here) inside a raised edge that runs
// round the whole window. Install() puts it in place of the toolkit's own.
#include <QLabel>
#include <QTimer>

namespace quillo {

class TMyHintWindow : public QLabel {
 public:
  TMyHintWindow();

  // Shows the text near the pointer's global position.
  void ShowHint(const QString& text, QPoint globalPos);

  // Makes this the application's hint window, for the life of the object.
  void Install();

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTimer hideTimer_;
};

}  // namespace quillo
