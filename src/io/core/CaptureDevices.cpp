#include "CaptureDevices.h"

#include <fcntl.h>
#include <linux/videodev2.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace quillo {

namespace {

constexpr int kDeviceIndexes = 10;
constexpr int kTestPatternRate = 25;

// An open device file, closed when it goes.
class DeviceFile {
 public:
  explicit DeviceFile(const std::string& path) : fd_(open(path.c_str(), O_RDWR | O_NONBLOCK)) {}
  ~DeviceFile() {
    if (fd_ >= 0) close(fd_);
  }
  DeviceFile(const DeviceFile&) = delete;
  DeviceFile& operator=(const DeviceFile&) = delete;
  bool Open() const { return fd_ >= 0; }
  bool Ask(unsigned long request, void* data) const {
    int r;
    do r = ioctl(fd_, request, data);
    while (r < 0 && errno == EINTR);
    return r == 0;
  }

 private:
  int fd_;
};

std::string Text(const __u8* bytes, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(bytes),
                     strnlen(reinterpret_cast<const char*>(bytes), size));
}

// FFmpeg's name of a device pixel format, or empty for one it does not take.
std::string FfmpegFormatName(__u32 fourcc) {
  switch (fourcc) {
    case V4L2_PIX_FMT_YUYV:
      return "yuyv422";
    case V4L2_PIX_FMT_UYVY:
      return "uyvy422";
    case V4L2_PIX_FMT_MJPEG:
      return "mjpeg";
    case V4L2_PIX_FMT_JPEG:
      return "mjpeg";
    case V4L2_PIX_FMT_RGB24:
      return "rgb24";
    case V4L2_PIX_FMT_BGR24:
      return "bgr24";
    case V4L2_PIX_FMT_YUV420:
      return "yuv420p";
    case V4L2_PIX_FMT_NV12:
      return "nv12";
    case V4L2_PIX_FMT_GREY:
      return "gray";
    default:
      return {};
  }
}

std::string SizeText(unsigned width, unsigned height) {
  return std::to_string(width) + "x" + std::to_string(height);
}

std::string TestPattern(const std::string& size) {
  return "testsrc=size=" + size + ":rate=" + std::to_string(kTestPatternRate);
}

}  // namespace

std::vector<CaptureDriver> FindCaptureDrivers() {
  std::vector<CaptureDriver> drivers;
  for (int i = 0; i < kDeviceIndexes; ++i) {
    const std::string path = "/dev/video" + std::to_string(i);
    DeviceFile device(path);
    v4l2_capability caps{};
    if (!device.Open() || !device.Ask(VIDIOC_QUERYCAP, &caps)) continue;
    const __u32 what =
        (caps.capabilities & V4L2_CAP_DEVICE_CAPS) ? caps.device_caps : caps.capabilities;
    if (!(what & V4L2_CAP_VIDEO_CAPTURE)) continue;
    drivers.push_back({Text(caps.card, sizeof caps.card), "video4linux2", path});
  }
  if (const char* test = std::getenv(kTestCameraVariable); test && std::strcmp(test, "1") == 0)
    drivers.push_back({kTestCameraName, "lavfi", TestPattern("320x240")});
  return drivers;
}

std::vector<CaptureChoice> CaptureInputs(const CaptureDriver& driver) {
  std::vector<CaptureChoice> inputs;
  if (driver.format != "video4linux2") return inputs;
  DeviceFile device(driver.device);
  if (!device.Open()) return inputs;
  for (__u32 i = 0; i < 64; ++i) {
    v4l2_input input{};
    input.index = i;
    if (!device.Ask(VIDIOC_ENUMINPUT, &input)) break;
    inputs.push_back({Text(input.name, sizeof input.name), {{"channel", std::to_string(i)}}});
  }
  return inputs;
}

std::vector<CaptureChoice> CaptureFormats(const CaptureDriver& driver) {
  std::vector<CaptureChoice> formats;
  if (driver.format == "lavfi") {
    for (const char* size : {"160x120", "320x240", "640x480"})
      formats.push_back({std::string("RGB, ") + size, {{"video_size", size}}});
    return formats;
  }
  DeviceFile device(driver.device);
  if (!device.Open()) return formats;
  for (__u32 i = 0; i < 64; ++i) {
    v4l2_fmtdesc format{};
    format.index = i;
    format.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
    if (!device.Ask(VIDIOC_ENUM_FMT, &format)) break;
    const std::string name = FfmpegFormatName(format.pixelformat);
    if (name.empty()) continue;
    const std::string description = Text(format.description, sizeof format.description);
    for (__u32 k = 0; k < 64; ++k) {
      v4l2_frmsizeenum size{};
      size.index = k;
      size.pixel_format = format.pixelformat;
      if (!device.Ask(VIDIOC_ENUM_FRAMESIZES, &size)) break;
      // Stepped and continuous ranges are offered at their largest size.
      const bool discrete = size.type == V4L2_FRMSIZE_TYPE_DISCRETE;
      const unsigned w = discrete ? size.discrete.width : size.stepwise.max_width;
      const unsigned h = discrete ? size.discrete.height : size.stepwise.max_height;
      formats.push_back({description + ", " + std::to_string(w) + " x " + std::to_string(h),
                         {{"input_format", name}, {"video_size", SizeText(w, h)}}});
      if (!discrete) break;
    }
  }
  return formats;
}

CaptureOpening OpeningOf(const CaptureDriver& driver, const CaptureChoice* input,
                         const CaptureChoice* format) {
  CaptureOpening opening{driver.format, driver.device, {}};
  if (driver.format == "lavfi") {
    // The test pattern takes its size in the filter.
    if (format)
      for (const auto& [key, value] : format->options)
        if (key == "video_size") opening.url = TestPattern(value);
    return opening;
  }
  if (input) opening.options = input->options;
  if (format)
    opening.options.insert(opening.options.end(), format->options.begin(), format->options.end());
  return opening;
}

}  // namespace quillo
