#pragma once
// A source dialog cut out of the main window's art: frameless, placed over
// the main window's picture area and painted with the art that lies there,
// so that only its skinned buttons seem to appear. The main window's exit
// button, which it covers, is hidden while it is shown.
#include <QString>
#include <string_view>

#include "DialogHost.h"
#include "skin/ModalWindow.h"

namespace quillo {

class TGraphicButton;

class ArtDialog : public ModalWindow {
  Q_OBJECT
 public:
  // Placed `left` pixels in from the picture area's left edge, level with its top.
  ArtDialog(const DialogHost& host, int width, int height, int left = 20);

 protected:
  // One of the dialog buttons of the skin layout at (left, top) with its
  // hint; its hover plays a random cue when `hoverCue`.
  TGraphicButton* AddButton(std::string_view name, int left, int top, const QString& hint,
                            bool hoverCue);
  void PlayCue(const std::string& name) const;

  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

  const DialogHost host_;

 private:
  int left_;
  bool exitWasVisible_ = false;
};

}  // namespace quillo
