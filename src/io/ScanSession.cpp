#include "ScanSession.h"

#include <dlfcn.h>
#include <sane/sane.h>
#include <sane/saneopts.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <thread>

#include "base/Bitmap.h"

namespace quillo {

// The SANE entry points, looked up in the library loaded at run time.
struct ScanSession::Api {
  void* library = nullptr;
  decltype(&sane_init) init = nullptr;
  decltype(&sane_exit) exit = nullptr;
  decltype(&sane_get_devices) getDevices = nullptr;
  decltype(&sane_open) open = nullptr;
  decltype(&sane_close) close = nullptr;
  decltype(&sane_get_option_descriptor) describe = nullptr;
  decltype(&sane_control_option) control = nullptr;
  decltype(&sane_get_parameters) parameters = nullptr;
  decltype(&sane_start) start = nullptr;
  decltype(&sane_read) read = nullptr;
  decltype(&sane_cancel) cancel = nullptr;
  decltype(&sane_strstatus) strstatus = nullptr;

  template <class F>
  bool Find(F& f, const char* name) {
    f = reinterpret_cast<F>(dlsym(library, name));
    return f != nullptr;
  }
  bool FindAll() {
    return Find(init, "sane_init") && Find(exit, "sane_exit") &&
           Find(getDevices, "sane_get_devices") && Find(open, "sane_open") &&
           Find(close, "sane_close") && Find(describe, "sane_get_option_descriptor") &&
           Find(control, "sane_control_option") && Find(parameters, "sane_get_parameters") &&
           Find(start, "sane_start") && Find(read, "sane_read") && Find(cancel, "sane_cancel") &&
           Find(strstatus, "sane_strstatus");
  }
};

namespace {

// libsane stops a backend's reader thread with an asynchronous
// pthread_cancel; a reader stopped while it allocates or frees memory dies
// holding the allocator's lock and the cancel never returns. A transfer that
// ended by itself gives a reader that has just started or is just ending
// this long to get past its allocations before the device is cancelled.
constexpr std::chrono::milliseconds kReaderGrace{100};

// The largest image read into memory: the largest picture in 16-bit colour.
constexpr std::int64_t kMaxScanBytes = kMaxPicturePixels * 6;

bool IsMainOption(const char* name) {
  static constexpr const char* kNames[] = {SANE_NAME_SCAN_MODE, SANE_NAME_SCAN_RESOLUTION,
                                           SANE_NAME_SCAN_TL_X, SANE_NAME_SCAN_TL_Y,
                                           SANE_NAME_SCAN_BR_X, SANE_NAME_SCAN_BR_Y};
  return name && std::any_of(std::begin(kNames), std::end(kNames),
                             [name](const char* n) { return std::strcmp(n, name) == 0; });
}

double FromWord(SANE_Word w, SANE_Value_Type type) {
  return type == SANE_TYPE_FIXED ? SANE_UNFIX(w) : double(w);
}

}  // namespace

bool ScannerAvailable() {
  static const bool available = [] {
    ScanSession session;
    return session.LoadManager() && session.OpenManager();
  }();
  return available;
}

ScanSession::ScanSession(std::string library) : library_(std::move(library)) {}

ScanSession::~ScanSession() {
  CloseManager();
  UnloadManager();
}

void ScanSession::Record(int code, int status) {
  if (error_.code != seNone) return;
  const ScanCodes codes = CodesOfSaneStatus(status);
  error_ = {code, codes.result, codes.condition};
}

bool ScanSession::LoadManager() {
  if (state_ >= 2) return true;
  auto api = std::make_unique<Api>();
  api->library = dlopen(library_.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!api->library) return false;
  if (!api->FindAll()) {
    dlclose(api->library);
    return false;
  }
  api_ = std::move(api);
  state_ = 2;
  return true;
}

bool ScanSession::OpenManager() {
  if (!LoadManager()) return false;
  if (state_ >= 3) return true;
  SANE_Int version = 0;
  if (api_->init(&version, nullptr) != SANE_STATUS_GOOD) return false;
  state_ = 3;
  return true;
}

bool ScanSession::OpenDefaultSource() {
  if (state_ != 3) return false;
  // The device SANE_DEFAULT_DEVICE names, as SANE's own front ends take it,
  // or else the first one found.
  std::string name;
  std::string description;
  if (const char* chosen = std::getenv("SANE_DEFAULT_DEVICE"); chosen && *chosen) {
    name = chosen;
  } else {
    const SANE_Device** devices = nullptr;
    const SANE_Status listed = api_->getDevices(&devices, SANE_FALSE);
    if (listed != SANE_STATUS_GOOD) {
      Record(seManager, listed);
      return false;
    }
    if (!devices || !devices[0]) {
      if (error_.code == seNone) error_ = {seManager, srFailure, scNoSource};
      return false;
    }
    name = devices[0]->name;
    description = std::string(devices[0]->vendor ? devices[0]->vendor : "") + " " +
                  (devices[0]->model ? devices[0]->model : "");
  }
  SANE_Handle handle = nullptr;
  const SANE_Status opened = api_->open(name.c_str(), &handle);
  if (opened != SANE_STATUS_GOOD) {
    if (opened == SANE_STATUS_INVAL && error_.code == seNone)
      error_ = {seManager, srFailure, scNoSource};  // no such device
    Record(seManager, opened);
    return false;
  }
  handle_ = handle;
  deviceName_ = name;
  deviceDescription_ = description == " " ? std::string() : description;
  state_ = 4;
  return true;
}

bool ScanSession::EnableSource() {
  if (state_ != 4) return false;
  // The dialog shows the device's options: it needs their count.
  SANE_Int count = 0;
  const SANE_Status status = api_->control(handle_, 0, SANE_ACTION_GET_VALUE, &count, nullptr);
  if (status != SANE_STATUS_GOOD) {
    Record(seSource, status);
    return false;
  }
  state_ = 5;
  return true;
}

void ScanSession::DisableSource() {
  if (state_ >= 5) state_ = 4;
}

void ScanSession::CloseSource() {
  DisableSource();
  if (state_ == 4) {
    api_->close(handle_);
    handle_ = nullptr;
    state_ = 3;
  }
}

void ScanSession::CloseManager() {
  CloseSource();
  if (state_ == 3) {
    api_->exit();
    state_ = 2;
  }
}

void ScanSession::UnloadManager() {
  if (state_ != 2) return;
  dlclose(api_->library);
  api_.reset();
  state_ = 1;
}

std::vector<ScanOption> ScanSession::MainOptions() {
  std::vector<ScanOption> options;
  if (state_ < 4) return options;
  SANE_Int count = 0;
  if (api_->control(handle_, 0, SANE_ACTION_GET_VALUE, &count, nullptr) != SANE_STATUS_GOOD)
    return options;
  for (int i = 1; i < count; ++i) {
    const SANE_Option_Descriptor* d = api_->describe(handle_, i);
    if (!d || !IsMainOption(d->name) || !SANE_OPTION_IS_ACTIVE(d->cap) ||
        !SANE_OPTION_IS_SETTABLE(d->cap) || d->size <= 0)
      continue;
    const bool text = d->type == SANE_TYPE_STRING;
    if (!text && d->type != SANE_TYPE_INT && d->type != SANE_TYPE_FIXED) continue;
    std::vector<char> value(static_cast<std::size_t>(d->size) + sizeof(SANE_Word), 0);
    if (api_->control(handle_, i, SANE_ACTION_GET_VALUE, value.data(), nullptr) != SANE_STATUS_GOOD)
      continue;
    ScanOption o;
    o.index = i;
    o.name = d->name;
    o.title = d->title ? d->title : d->name;
    o.unit = d->unit == SANE_UNIT_MM ? "mm" : d->unit == SANE_UNIT_DPI ? "dpi" : "";
    o.text = text;
    if (text) {
      o.textValue = value.data();
      if (d->constraint_type == SANE_CONSTRAINT_STRING_LIST)
        for (const SANE_String_Const* s = d->constraint.string_list; s && *s; ++s)
          o.textChoices.emplace_back(*s);
    } else {
      SANE_Word word;
      std::memcpy(&word, value.data(), sizeof word);
      o.numberValue = FromWord(word, d->type);
      if (d->constraint_type == SANE_CONSTRAINT_WORD_LIST) {
        const SANE_Word* list = d->constraint.word_list;
        for (int k = 1; k <= list[0]; ++k) o.numberChoices.push_back(FromWord(list[k], d->type));
      } else if (d->constraint_type == SANE_CONSTRAINT_RANGE) {
        o.minimum = FromWord(d->constraint.range->min, d->type);
        o.maximum = FromWord(d->constraint.range->max, d->type);
        o.step = FromWord(d->constraint.range->quant, d->type);
      } else {
        o.minimum = o.maximum = o.numberValue;
      }
    }
    options.push_back(std::move(o));
  }
  return options;
}

bool ScanSession::SetOption(const ScanOption& option, std::string& why) {
  if (state_ < 4) return false;
  const SANE_Option_Descriptor* d = api_->describe(handle_, option.index);
  if (!d || !d->name || option.name != d->name) {
    why = "The scanner's options have changed";
    return false;
  }
  // An option that an earlier choice (the mode) turned off is left alone.
  if (!SANE_OPTION_IS_ACTIVE(d->cap)) return true;
  std::vector<char> value(
      static_cast<std::size_t>(std::max<SANE_Int>(d->size, 0)) + sizeof(SANE_Word), 0);
  if (option.text) {
    std::strncpy(value.data(), option.textValue.c_str(), std::max<SANE_Int>(d->size - 1, 0));
  } else {
    const SANE_Word word = d->type == SANE_TYPE_FIXED
                               ? SANE_FIX(option.numberValue)
                               : static_cast<SANE_Word>(std::lround(option.numberValue));
    std::memcpy(value.data(), &word, sizeof word);
  }
  SANE_Int info = 0;
  const SANE_Status status =
      api_->control(handle_, option.index, SANE_ACTION_SET_VALUE, value.data(), &info);
  if (status != SANE_STATUS_GOOD) {
    Record(seCapabilitySet, status);
    why = api_->strstatus(status);
    return false;
  }
  return true;
}

// Reads the frame just started into `frame`; false with the status when the
// device fails or is cancelled.
bool ScanSession::ReadFrame(ScanSamples& samples, std::vector<std::uint8_t>& frame, int& status,
                            bool& lastFrame) {
  // Asked before reading: after the end of a frame a device may already
  // describe the next one.
  SANE_Parameters p{};
  status = api_->parameters(handle_, &p);
  if (status != SANE_STATUS_GOOD) return false;
  lastFrame = p.last_frame;
  if (p.bytes_per_line <= 0 || p.pixels_per_line <= 0 ||
      (p.lines > 0 && std::int64_t(p.bytes_per_line) * p.lines > kMaxScanBytes)) {
    status = SANE_STATUS_INVAL;
    return false;
  }
  samples.colour = p.format != SANE_FRAME_GRAY;
  samples.depth = p.depth;
  samples.width = p.pixels_per_line;
  state_ = 7;
  rows_ = 0;
  rowsExpected_ = std::max(0, p.lines);
  frame.clear();
  if (p.lines > 0) frame.reserve(std::size_t(p.bytes_per_line) * p.lines);
  std::vector<std::uint8_t> chunk(64 * 1024);
  while (true) {
    SANE_Int length = 0;
    status = api_->read(handle_, chunk.data(), static_cast<SANE_Int>(chunk.size()), &length);
    if (status == SANE_STATUS_EOF) break;
    if (status != SANE_STATUS_GOOD) return false;
    length = std::clamp<SANE_Int>(length, 0, static_cast<SANE_Int>(chunk.size()));
    frame.insert(frame.end(), chunk.begin(), chunk.begin() + length);
    rows_ = static_cast<int>(std::min<std::size_t>(frame.size() / std::size_t(p.bytes_per_line),
                                                   std::numeric_limits<int>::max()));
    if (std::int64_t(frame.size()) > kMaxScanBytes) {
      status = SANE_STATUS_NO_MEM;
      return false;
    }
  }
  status = SANE_STATUS_GOOD;
  const int lines = p.lines > 0 ? p.lines : int(frame.size() / p.bytes_per_line);
  samples.height = lines;
  if (p.format == SANE_FRAME_GRAY || p.format == SANE_FRAME_RGB) {
    samples.bytesPerLine = p.bytes_per_line;
    samples.bytes = std::move(frame);
    return true;
  }
  // One colour of a three-pass scan, put in its place in the colour rows.
  if (p.depth == 1) {
    status = SANE_STATUS_UNSUPPORTED;
    return false;
  }
  const int channel = p.format == SANE_FRAME_RED ? 0 : p.format == SANE_FRAME_GREEN ? 1 : 2;
  const int bytesPerSample = p.depth / 8;
  // The device's own row length must hold its samples, and the colour rows
  // stay within the limit of a scan.
  const std::int64_t rowBytes = std::int64_t(p.pixels_per_line) * 3 * bytesPerSample;
  if (bytesPerSample < 1 || p.bytes_per_line < std::int64_t(p.pixels_per_line) * bytesPerSample ||
      rowBytes * lines > kMaxScanBytes) {
    status = SANE_STATUS_INVAL;
    return false;
  }
  // A pass that ended early is refused, as a one-pass scan that did would be,
  // rather than shown with rows missing.
  if (frame.size() < std::size_t(lines) * std::size_t(p.bytes_per_line)) {
    status = SANE_STATUS_IO_ERROR;
    return false;
  }
  samples.bytesPerLine = static_cast<int>(rowBytes);
  samples.bytes.resize(std::size_t(rowBytes) * lines);
  for (int y = 0; y < lines; ++y)
    for (int x = 0; x < p.pixels_per_line; ++x)
      std::memcpy(&samples.bytes[std::size_t(y) * rowBytes + (x * 3 + channel) * bytesPerSample],
                  &frame[std::size_t(y) * p.bytes_per_line + x * bytesPerSample], bytesPerSample);
  return true;
}

ScanTransfer ScanSession::Transfer() {
  ScanTransfer result;
  if (state_ != 5) return result;
  // Runs on a worker thread: nothing may escape it, not even running out of
  // memory for a large scan.
  try {
    ScanSamples samples;
    std::vector<std::uint8_t> frame;
    int status = SANE_STATUS_GOOD;
    bool lastFrame = false;
    while (!lastFrame) {
      status = api_->start(handle_);
      if (status != SANE_STATUS_GOOD) break;
      state_ = 6;
      if (!ReadFrame(samples, frame, status, lastFrame)) break;
    }
    if (status == SANE_STATUS_GOOD) {
      SANE_Int dpi = 0;
      for (const ScanOption& o : MainOptions())
        if (o.name == SANE_NAME_SCAN_RESOLUTION) dpi = static_cast<SANE_Int>(o.numberValue);
      samples.dotsPerInch = dpi;
      result.dib = PackedDib(samples);
    } else if (status == SANE_STATUS_CANCELLED) {
      result.cancelled = true;
    } else {
      result.failure = api_->strstatus(static_cast<SANE_Status>(status));
    }
  } catch (const std::exception& e) {
    result.failure = e.what();
  }
  // Ends the transfer and discards any further pending image.
  if (!result.cancelled) std::this_thread::sleep_for(kReaderGrace);
  api_->cancel(handle_);
  state_ = 5;
  return result;
}

void ScanSession::CancelTransfer() {
  if (state_ >= 6) api_->cancel(handle_);
}

}  // namespace quillo
