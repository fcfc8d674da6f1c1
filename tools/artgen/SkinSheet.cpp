#include "SkinSheet.h"

#include <QPainter>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "DialogButtons.h"
#include "Gloss.h"
#include "ImageBridge.h"
#include "LoadButtons.h"
#include "MirrorIcons.h"
#include "ModeButtons.h"
#include "MorphPanels.h"
#include "Palette.h"
#include "SidePanels.h"
#include "Tabs.h"
#include "Thumbs.h"
#include "WindowButtons.h"
#include "WindowPlaces.h"
#include "base/Error.h"
#include "skin/core/SkinLayout.h"

namespace art {

namespace {

using quillo::Bitmap;
using Painter = std::function<void(QPainter&, const QRectF&, Look)>;

const quillo::Pixel kAquaPixel = quillo::ColorRefToPixel(quillo::kAqua);

// Cells of a button that is drawn opaque: each look painted over the patch of
// the picture that lies behind the button.
std::vector<Bitmap> OverPatch(const QImage& behind, const QRectF& place,
                              std::initializer_list<Look> looks, const Painter& paint) {
  std::vector<Bitmap> cells;
  for (Look look : looks) {
    QImage cell = behind.copy(place.toRect()).convertToFormat(QImage::Format_RGB32);
    QPainter p(&cell);
    Smooth(p);
    p.translate(-place.topLeft());
    paint(p, place, look);
    p.end();
    cells.push_back(ToBitmap(cell));
  }
  return cells;
}

QRectF ArtPlace(const QRectF& client) {
  return client.translated(kFrame, kFrame);
}

class SheetPainter {
 public:
  explicit SheetPainter(const QImage& ground)
      : ground_(ground),
        leftPanel_(KeyOut(PaintLeftPanel(), kAquaPixel, kOutline)),
        rightPanel_(KeyOut(PaintRightPanel(), kAquaPixel, kOutline)),
        morphLeftBase_(ToImage(KeyOut(PaintMorphPanelBase(true), kAquaPixel, kOutline))),
        morphRightBase_(ToImage(KeyOut(PaintMorphPanelBase(false), kAquaPixel, kOutline))) {}

  std::vector<Bitmap> CellsOf(const quillo::SkinCell& cell) const {
    const std::string name(cell.control);
    const Mode modes[4] = {Mode::Warping, Mode::Morphing, Mode::Mirrors, Mode::Blending};
    for (int i = 0; i < 4; ++i) {
      if (name == "GraphicButton" + std::to_string(i + 1)) {
        const Mode mode = modes[i];
        return OverPatch(
            ground_, ArtPlace(kModePlaces[i].button), {Look::Lit, Look::Pressed},
            [mode](QPainter& p, const QRectF& r, Look l) { DrawModeButton(p, r, mode, l); });
      }
      if (name == "GraphicButton" + std::to_string(i + 6)) {
        return OverPatch(
            ground_, ArtPlace(kShortcuts[i]), {Look::Lit, Look::Hover, Look::Pressed},
            [i](QPainter& p, const QRectF& r, Look l) { DrawShortcutButton(p, r, i, l); });
      }
    }
    if (name == "GraphicButton5")
      return OverPatch(ground_, ArtPlace(kExit), {Look::Lit, Look::Pressed}, DrawExitButton);
    if (name == "bnClose")
      return OverPatch(ground_, ArtPlace(kClose), {Look::Lit, Look::Pressed}, DrawCloseButton);
    if (name == "bnMinimize")
      return OverPatch(ground_, ArtPlace(kMinimize), {Look::Lit, Look::Pressed},
                       DrawMinimizeButton);
    if (name == "Load1" || name == "Load2") {
      const bool first = name == "Load1";
      const QRectF place(first ? kLoad1At : kLoad2At, QSizeF(cell.width, cell.height));
      return OverPatch(first ? morphLeftBase_ : morphRightBase_, place, {Look::Lit, Look::Pressed},
                       [first](QPainter& p, const QRectF& r, Look l) {
                         DrawLoadButton(p, r, first ? 1 : 2, l);
                       });
    }
    if (name == "TrackBar") return {PaintTrackThumb()};
    if (name == "LeftPanel") return {leftPanel_};
    if (name == "RightPanel") return {rightPanel_};
    if (name == "MorphLeftPanel") return {KeyOut(PaintMorphPanel(true), kAquaPixel, kOutline)};
    if (name == "MorphRightPanel") return {KeyOut(PaintMorphPanel(false), kAquaPixel, kOutline)};
    if (name == "HelpPanel") return PaintTabCells(TabKind::Help);
    if (name == "LoadPanel") return PaintTabCells(TabKind::Load);
    if (name == "SavePanel") return PaintTabCells(TabKind::Save);
    if (IsDialogButton(name)) return {PaintDialogButton(name)};
    throw quillo::Error("The art generator has no picture for " + name);
  }

  // The icons lie on the right slider, which lies on the right panel.
  Bitmap MirrorIconCell(const quillo::MirrorIcon& icon, int kind, bool chosen) const {
    const QRect place(static_cast<int>(kRightSlider.left()) + icon.sliderX,
                      static_cast<int>(kRightSlider.top()) + icon.sliderY, icon.width, icon.height);
    const QImage patch = ToImage(rightPanel_).copy(place);
    return ToBitmap(PaintMirrorIcon(icon, kind, chosen, patch));
  }

 private:
  const QImage& ground_;
  Bitmap leftPanel_;
  Bitmap rightPanel_;
  QImage morphLeftBase_;
  QImage morphRightBase_;
};

void PasteCell(Bitmap& sheet, const quillo::Rect& at, const Bitmap& cell) {
  if (cell.Width() != at.Width() || cell.Height() != at.Height())
    throw quillo::Error("A painted cell does not fit its place in the skin sheet");
  Paste(sheet, at.left, at.top, cell);
}

}  // namespace

Bitmap PaintSkinSheet(const QImage& ground) {
  Bitmap sheet(quillo::kSkinSheetWidth, quillo::kSkinSheetHeight, quillo::MakePixel(0, 0, 0));
  const SheetPainter painter(ground);
  for (const quillo::SkinCell& cell : quillo::SkinCells()) {
    if (cell.cellCount == 0) continue;
    const std::vector<Bitmap> cells = painter.CellsOf(cell);
    if (static_cast<int>(cells.size()) != cell.cellCount)
      throw quillo::Error("Wrong number of cells painted for " + std::string(cell.control));
    for (int i = 0; i < cell.cellCount; ++i) PasteCell(sheet, cell.Cell(i), cells[i]);
  }
  for (int k = 0; k < quillo::kThumbFrames; ++k) {
    PasteCell(sheet, quillo::LeftThumbCell(k), PaintThumbFrame(true, k));
    PasteCell(sheet, quillo::RightThumbCell(k), PaintThumbFrame(false, k));
  }
  for (int i = 0; i < static_cast<int>(quillo::kMirrorIcons.size()); ++i) {
    const quillo::MirrorIcon& icon = quillo::kMirrorIcons[i];
    for (bool chosen : {false, true})
      PasteCell(sheet, icon.Cell(chosen), painter.MirrorIconCell(icon, i + 1, chosen));
  }
  return sheet;
}

}  // namespace art
