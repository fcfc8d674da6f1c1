#include "SkinSheet.h"

#include <QPainter>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "DialogButtons.h"
#include "Gloss.h"
#include "LoadButtons.h"
#include "MirrorIcons.h"
#include "ModeButtons.h"
#include "MorphPanels.h"
#include "Palette.h"
#include "SidePanels.h"
#include "Tabs.h"
#include "Thumbs.h"
#include "WindowButtons.h"
#include "base/Error.h"
#include "common/Layers.h"
#include "skin/BitmapImage.h"
#include "skin/QtRect.h"
#include "skin/core/SkinLayout.h"
#include "skin/core/WindowPlaces.h"

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
    cells.push_back(quillo::ToBitmap(cell));
  }
  return cells;
}

QRectF ArtPlace(const quillo::Rect& client) {
  return quillo::ToRectF(quillo::InArt(client));
}

class SheetPainter {
 public:
  explicit SheetPainter(const QImage& ground)
      : ground_(ground),
        leftPanel_(quillo::KeyOut(PaintLeftPanel(), kAquaPixel, kOutline)),
        rightPanel_(quillo::KeyOut(PaintRightPanel(), kAquaPixel, kOutline)),
        morphLeftBase_(
            quillo::ToImage(quillo::KeyOut(PaintMorphPanelBase(true), kAquaPixel, kOutline))),
        morphRightBase_(
            quillo::ToImage(quillo::KeyOut(PaintMorphPanelBase(false), kAquaPixel, kOutline))) {}

  std::vector<Bitmap> CellsOf(const quillo::ControlLayout& cell) const {
    const std::string name(cell.name);
    const Mode modes[4] = {Mode::Warping, Mode::Morphing, Mode::Mirrors, Mode::Blending};
    for (int i = 0; i < 4; ++i) {
      if (name == "GraphicButton" + std::to_string(i + 1)) {
        const Mode mode = modes[i];
        return OverPatch(
            ground_, ArtPlace(quillo::kModePlaces[i].button), {Look::Lit, Look::Pressed},
            [mode](QPainter& p, const QRectF& r, Look l) { DrawModeButton(p, r, mode, l); });
      }
      if (name == "GraphicButton" + std::to_string(i + 6)) {
        return OverPatch(
            ground_, ArtPlace(quillo::kShortcuts[i]), {Look::Lit, Look::Hover, Look::Pressed},
            [i](QPainter& p, const QRectF& r, Look l) { DrawShortcutButton(p, r, i, l); });
      }
    }
    if (name == "GraphicButton5")
      return OverPatch(ground_, ArtPlace(quillo::kExitButton), {Look::Lit, Look::Pressed},
                       DrawExitButton);
    if (name == "bnClose")
      return OverPatch(ground_, ArtPlace(quillo::kCloseButton), {Look::Lit, Look::Pressed},
                       DrawCloseButton);
    if (name == "bnMinimize")
      return OverPatch(ground_, ArtPlace(quillo::kMinimizeButton), {Look::Lit, Look::Pressed},
                       DrawMinimizeButton);
    if (name == "Load1" || name == "Load2") {
      const bool first = name == "Load1";
      const QRectF place = quillo::ToRectF(first ? quillo::kLoad1 : quillo::kLoad2);
      return OverPatch(first ? morphLeftBase_ : morphRightBase_, place, {Look::Lit, Look::Pressed},
                       [first](QPainter& p, const QRectF& r, Look l) {
                         DrawLoadButton(p, r, first ? 1 : 2, l);
                       });
    }
    if (name == "TrackBar") return {PaintTrackThumb()};
    if (name == "LeftPanel") return {leftPanel_};
    if (name == "RightPanel") return {rightPanel_};
    if (name == "MorphLeftPanel")
      return {quillo::KeyOut(PaintMorphPanel(true), kAquaPixel, kOutline)};
    if (name == "MorphRightPanel")
      return {quillo::KeyOut(PaintMorphPanel(false), kAquaPixel, kOutline)};
    if (name == "HelpPanel") return PaintTabCells(TabKind::Help);
    if (name == "LoadPanel") return PaintTabCells(TabKind::Load);
    if (name == "SavePanel") return PaintTabCells(TabKind::Save);
    if (IsDialogButton(name)) return {PaintDialogButton(name)};
    throw quillo::Error("The art generator has no picture for " + name);
  }

  // The icons lie on the right slider, which lies on the right panel.
  Bitmap MirrorIconCell(const quillo::MirrorIcon& icon, int kind, bool chosen) const {
    const QRect place(quillo::kRightSlider.left + icon.sliderX,
                      quillo::kRightSlider.top + icon.sliderY, icon.width, icon.height);
    const QImage patch = quillo::ToImage(rightPanel_).copy(place);
    return quillo::ToBitmap(PaintMirrorIcon(icon, kind, chosen, patch));
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
  sheet.Draw(at.left, at.top, cell);
}

}  // namespace

Bitmap PaintSkinSheet(const QImage& ground) {
  Bitmap sheet(quillo::kSkinSheetWidth, quillo::kSkinSheetHeight, quillo::MakePixel(0, 0, 0));
  const SheetPainter painter(ground);
  for (const quillo::ControlLayout& cell : quillo::SkinnedControls()) {
    if (cell.cellCount == 0) continue;
    const std::vector<Bitmap> cells = painter.CellsOf(cell);
    if (static_cast<int>(cells.size()) != cell.cellCount)
      throw quillo::Error("Wrong number of cells painted for " + std::string(cell.name));
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
