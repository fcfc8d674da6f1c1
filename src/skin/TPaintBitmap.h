#pragma once
// The paint callback of the skinned controls: the sender and the drawing
// surface of the composed picture, before it reaches the screen.
#include <functional>

class QPainter;
class QWidget;

namespace quillo {

using TPaintBitmap = std::function<void(QWidget* Sender, QPainter& Canvas)>;

}  // namespace quillo
