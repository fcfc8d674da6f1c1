#pragma once
// Small icons of the tabs, dialog buttons and shortcut buttons, each painted
// into a square.
#include <QPainter>
#include <QRectF>

namespace art {

enum class Tool {
  Open,       // a folder with a picture coming out
  Disk,       // a floppy disk
  Question,   // a question mark
  Clipboard,  // a clipboard with a sheet
  Camera,     // a video camera
  Scanner,    // a flatbed scanner with its light
  Printer,    // a printer with a page
  Cancel,     // a red cross
  Clipart,    // a star with scissors
  Mail,       // an envelope
  Globe,      // the world
  Dice,       // two dice
  Heart,      // a speech bubble with a heart
  Bell,       // a bell
  Picture,    // a framed photograph of a face
};

void DrawToolIcon(QPainter& painter, const QRectF& square, Tool tool);

}  // namespace art
