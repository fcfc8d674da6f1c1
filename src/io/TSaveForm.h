#pragma once
// The save and export dialog: writes the screen's picture to a file, the
// clipboard, the printer or a video. Created once at start-up and shown
// modally with the caller's picture and its render callback.
#include <functional>

#include "base/Bitmap.h"
#include "ArtDialog.h"

namespace quillo {

class TSaveForm : public ArtDialog {
  Q_OBJECT
 public:
  explicit TSaveForm(const DialogHost& host);

  // The picture to save, owned by the caller.
  const Bitmap* SaveBitmap = nullptr;
  // Re-renders SaveBitmap at the percentage in Tag (0 to 100), for videos.
  std::function<void()> OnRenderFrame;
  int Tag = 0;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace quillo
