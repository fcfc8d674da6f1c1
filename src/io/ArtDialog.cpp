#include "ArtDialog.h"

#include <QPainter>
#include <QShowEvent>

#include "skin/BitmapImage.h"
#include "skin/TGraphicButton.h"
#include "skin/WindowControls.h"
#include "skin/core/WindowPlaces.h"

namespace quillo {

namespace {

// Main window pixels of the picture area's top-left corner.
constexpr int kAreaLeft = kFrame + kPictureArea.left;
constexpr int kAreaTop = kFrame + kPictureArea.top;

}  // namespace

ArtDialog::ArtDialog(const DialogHost& host, int width, int height, int left)
    : host_(host), left_(left) {
  // The art covers every pixel: nothing is erased first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFixedSize(width, height);
  setWindowTitle("Open From...");
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(56, 120, 226));
  setPalette(pal);
}

TGraphicButton* ArtDialog::AddButton(std::string_view name, int left, int top, const QString& hint,
                                     bool hoverCue) {
  ControlLayout control = DialogLayout().Control(name);
  control.bounds = RectOfSize(left, top, control.bounds.Width(), control.bounds.Height());
  control.handCursor = true;
  const WindowControls made(this, WindowLayout{"Dialogs", {&control, 1}},
                            {{kSkinSheetHolder, &host_.skinSheet}});
  auto* button = made.Get<TGraphicButton>(name);
  button->setToolTip(hint);
  if (hoverCue) button->OnMouseEnter = [this](TGraphicButton*) { PlayCue("random"); };
  return button;
}

void ArtDialog::PlayCue(const std::string& name) const {
  if (host_.playCue) host_.playCue(name);
}

void ArtDialog::showEvent(QShowEvent* event) {
  ModalWindow::showEvent(event);
  if (event->spontaneous()) return;
  move(host_.mainWindow.mapToGlobal(QPoint(kAreaLeft + left_, kAreaTop)));
  // What lies under the buttons is the art at this place.
  for (TGraphicButton* button : findChildren<TGraphicButton*>(Qt::FindDirectChildrenOnly))
    button->ClearBackground();
  exitWasVisible_ = !host_.exitButton.isHidden();
  host_.exitButton.hide();
}

void ArtDialog::hideEvent(QHideEvent* event) {
  ModalWindow::hideEvent(event);
  if (event->spontaneous()) return;
  if (exitWasVisible_) host_.exitButton.show();
  exitWasVisible_ = false;
}

void ArtDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const Bitmap& art = host_.backgroundBitmap;
  if (art.Empty()) {
    painter.fillRect(rect(), palette().color(QPalette::Window));
    return;
  }
  // The art drawn from the main window's corner lines up with the art behind.
  painter.drawImage(host_.mainWindow.mapToGlobal(QPoint(0, 0)) - mapToGlobal(QPoint(0, 0)),
                    WrapImage(art));
}

}  // namespace quillo
