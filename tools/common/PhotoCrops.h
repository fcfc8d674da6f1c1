#pragma once
// The photographs in assets/ and the square parts of them that the faces of
// the data folder are cut from. Every generator cuts from this one table, so
// a face is the same wherever it appears.
#include <string>
#include <string_view>

#include "base/Bitmap.h"
#include "base/Rect.h"

namespace quillo {

struct PhotoCrop {
  std::string_view photo;  // the file in the assets folder
  Rect part;
};

// The astronaut's head and shoulders: her head sits high in her 512 x 512
// portrait. The default face and the home picture show it.
inline constexpr PhotoCrop kAstronautPortrait = {"astronaut.png", RectOfSize(100, 0, 256, 256)};
// Her face alone, from brows to chin, where the morphs' control lines lie.
inline constexpr PhotoCrop kAstronautFace = {"astronaut.png", RectOfSize(158, 60, 130, 130)};
// The cat's face, filling the middle of its 451 x 300 picture.
inline constexpr PhotoCrop kCatFace = {"chelsea.png", RectOfSize(90, 0, 300, 300)};
// The cameraman's face behind his camera.
inline constexpr PhotoCrop kCameramanFace = {"camera.png", RectOfSize(145, 82, 140, 140)};
// The cup of coffee on its saucer, seen from above.
inline constexpr PhotoCrop kCoffeeCup = {"coffee.png", RectOfSize(85, 5, 390, 390)};

// Reads a photograph; throws quillo::Error naming it when it cannot be read.
Bitmap LoadPhoto(const std::string& path);

// The crop's part of its photograph in the assets folder.
Bitmap CutPhoto(const std::string& assetsFolder, const PhotoCrop& crop);

}  // namespace quillo
