#pragma once
// The capture devices a camera can be taken from: the video4linux2 devices
// /dev/video0 to /dev/video9 that capture video (indexes without one are
// skipped), and, when QUILLO_TEST_CAMERA=1, FFmpeg's test pattern (the lavfi
// input's testsrc), so that the whole capture path runs without a camera.
// Also what a device offers: its inputs and its formats, read from the
// device itself.
#include <string>
#include <utility>
#include <vector>

namespace quillo {

inline constexpr const char* kTestCameraVariable = "QUILLO_TEST_CAMERA";
inline constexpr const char* kTestCameraName = "Test pattern (FFmpeg testsrc)";

using CaptureOptions = std::vector<std::pair<std::string, std::string>>;

struct CaptureDriver {
  std::string name;    // the device's own description
  std::string format;  // FFmpeg's input: "video4linux2" or "lavfi"
  std::string device;  // the device file, or the test pattern's filter
};

// One choice of a Source or Format dialog and the input options it sets.
struct CaptureChoice {
  std::string label;
  CaptureOptions options;
};

// What FFmpeg opens for a driver with the chosen input and format.
struct CaptureOpening {
  std::string format;
  std::string url;
  CaptureOptions options;
};

std::vector<CaptureDriver> FindCaptureDrivers();

// The device's video inputs (empty when it offers no choice).
std::vector<CaptureChoice> CaptureInputs(const CaptureDriver& driver);
// The device's pixel formats and frame sizes.
std::vector<CaptureChoice> CaptureFormats(const CaptureDriver& driver);

CaptureOpening OpeningOf(const CaptureDriver& driver, const CaptureChoice* input,
                         const CaptureChoice* format);

}  // namespace quillo
