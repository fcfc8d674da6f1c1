#pragma once
// A scanner session over SANE, loaded at run time so that Quillo starts where
// SANE is missing. SANE is the source manager and a SANE device the data
// source; the session moves through seven states:
//   1 nothing loaded, 2 library loaded, 3 sane_init done, 4 default device
//   open, 5 source enabled (the scanning dialog is up), 6 transfer ready
//   (sane_start answered), 7 transferring (sane_read).
// One image is taken per transfer; pending ones are discarded. The first error
// of an acquisition is recorded with the codes SANE's status stands for.
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/ScanErrors.h"
#include "core/ScannedDib.h"

namespace quillo {

inline constexpr const char* kSaneLibrary = "libsane.so.1";

// True when the SANE library loads and initialises; tested once per run.
bool ScannerAvailable();

// One of the device's main options: mode, resolution and the scan area.
struct ScanOption {
  int index = 0;
  std::string name;   // SANE's name: "mode", "resolution", "tl-x", ...
  std::string title;  // as the device words it
  std::string unit;   // "mm", "dpi" or empty
  bool text = false;  // a string option (mode); otherwise a number
  std::vector<std::string> textChoices;
  std::vector<double> numberChoices;  // a list of allowed numbers, when the device gives one
  double minimum = 0, maximum = 0, step = 0;  // a range, when the device gives one
  std::string textValue;
  double numberValue = 0;
};

// How far the transfer under way has come: rows of the current frame
// received, of the rows the device announced (0 when it does not know).
struct ScanProgress {
  int rows = 0;
  int rowsExpected = 0;
};

// The outcome of one transfer: the packed bitmap, or why there is none.
struct ScanTransfer {
  std::vector<std::uint8_t> dib;  // empty: no image
  bool cancelled = false;
  std::string failure;  // SANE's word for what went wrong, when it failed
};

class ScanSession {
 public:
  explicit ScanSession(std::string library = kSaneLibrary);
  ~ScanSession();  // winds down to state 1
  ScanSession(const ScanSession&) = delete;
  ScanSession& operator=(const ScanSession&) = delete;

  const ScanError& FirstError() const { return error_; }
  const std::string& DeviceName() const { return deviceName_; }
  // The device's vendor and model, when SANE listed them.
  const std::string& DeviceDescription() const { return deviceDescription_; }

  bool LoadManager();        // to 2
  bool OpenManager();        // to 3
  bool OpenDefaultSource();  // to 4; records error 4
  bool EnableSource();       // to 5; records error 5
  void DisableSource();      // 5 to 4
  void CloseSource();        // to 3
  void CloseManager();       // to 2
  void UnloadManager();      // to 1

  // The main options of the open device (state 4 or above).
  std::vector<ScanOption> MainOptions();
  // Sets a text or number option; false with SANE's word for the failure.
  bool SetOption(const ScanOption& option, std::string& why);

  // State 5: starts the device, reads one image and ends the transfer, back
  // in state 5. May run on a worker thread; CancelTransfer may be called from
  // another thread meanwhile.
  ScanTransfer Transfer();
  void CancelTransfer();
  // Any thread, while Transfer() runs.
  ScanProgress Progress() const { return {rows_.load(), rowsExpected_.load()}; }

 private:
  struct Api;
  void Record(int code, int status);
  bool ReadFrame(ScanSamples& samples, std::vector<std::uint8_t>& frame, int& status,
                 bool& lastFrame);

  std::string library_;
  std::unique_ptr<Api> api_;
  std::atomic<int> state_{1};
  std::atomic<int> rows_{0};
  std::atomic<int> rowsExpected_{0};
  void* handle_ = nullptr;  // the open device
  std::string deviceName_;
  std::string deviceDescription_;
  ScanError error_;
};

}  // namespace quillo
