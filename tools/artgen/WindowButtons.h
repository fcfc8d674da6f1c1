#pragma once
// The main window's other buttons: the exit plaque, the close and minimise
// buttons on the title strip, and the four shortcut buttons.
#include <QPainter>
#include <QRectF>

#include "Looks.h"

namespace art {

// A glossy plaque with room for the word "Exit", which the program writes.
void DrawExitButton(QPainter& painter, const QRectF& button, Look look);
void DrawCloseButton(QPainter& painter, const QRectF& button, Look look);
void DrawMinimizeButton(QPainter& painter, const QRectF& button, Look look);
// Shortcut 0 is the "Website" button, 1 to 3 the round icon buttons. Their
// normal look is Lit; Hover brightens them.
void DrawShortcutButton(QPainter& painter, const QRectF& button, int shortcut, Look look);

}  // namespace art
