#pragma once
// Hides a widget for the life of the object and shows it again however the
// scope ends: a picture box under a dialog, for one.
#include <QWidget>

namespace quillo {

class HiddenWhile {
 public:
  explicit HiddenWhile(QWidget& widget) : widget_(widget) { widget_.hide(); }
  ~HiddenWhile() { widget_.show(); }
  HiddenWhile(const HiddenWhile&) = delete;
  HiddenWhile& operator=(const HiddenWhile&) = delete;

 private:
  QWidget& widget_;
};

}  // namespace quillo
