#pragma once
// The camera control: a 320 x 240 child window that previews a capture
// device through FFmpeg's device inputs (in the codec module, opened on
// connection). The drivers are the capture devices found at creation
// (core/CaptureDevices.h). Live, the preview polls the device 25 times a
// second without waiting for it; frozen, it shows the last grabbed frame.
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "base/Bitmap.h"
#include "core/CaptureDevices.h"

namespace quillo {

namespace codecs {
class CaptureReading;
}

enum TCaptureCapabilities {
  ccOverlay,
  ccPalette,
  ccDlgVideoSource,
  ccDlgVideoFormat,
  ccDlgVideoDisplay
};

inline constexpr const char* SCapNotConnected = "Capture driver is not initialized";

class TVidcap : public QWidget {
  Q_OBJECT
 public:
  explicit TVidcap(QWidget* parent = nullptr);
  ~TVidcap() override;

  const QStringList& DriverNames() const { return driverNames_; }
  int DriverCount() const { return static_cast<int>(drivers_.size()); }

  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);
  bool LiveVideo() const { return liveVideo_; }
  void SetLiveVideo(bool live);

  // Connects the driver at that position of the list; false when it fails.
  bool Connect(int index);
  void Disconnect();
  bool GetConnected() const;
  // Throws quillo::Error "Capture driver is not initialized" when not connected.
  bool Supports(TCaptureCapabilities capability) const;
  // The current frame (a fresh one while live); false when not connected or
  // no frame has come yet.
  bool GetBitmap(Bitmap& bitmap);

  // The Source and Format dialogs list the device's inputs and formats; a
  // choice reconnects with it. Display has no dialog here.
  void DoDlgVideoSource();
  void DoDlgVideoFormat();
  void DoDlgVideoDisplay() {}

  // Asks the user to pick one of the labels; -1 when cancelled. Tests replace it.
  std::function<int(const QString& title, const QStringList& labels, int current)> Choose;

  // The preview's timer; one tick polls the device.
  QTimer PreviewTimer;
  void PreviewTimerTimer();
  const Bitmap& CurrentFrame() const { return frame_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void ChangeState();
  bool Reopen();
  bool Poll();
  int ChooseFrom(const QString& title, const std::vector<CaptureChoice>& choices, int current);

  std::vector<CaptureDriver> drivers_;
  QStringList driverNames_;
  int connected_ = -1;
  std::unique_ptr<codecs::CaptureReading> reading_;
  std::vector<CaptureChoice> inputs_;
  std::vector<CaptureChoice> formats_;
  int input_ = -1;
  int format_ = -1;
  bool stretch_ = true;
  bool liveVideo_ = true;
  Bitmap frame_;
  QString whyNot_;
};

}  // namespace quillo
