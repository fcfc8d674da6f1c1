#pragma once
// The codec dialog: lists the encoders that can write a video of the chosen
// container and the frames' size on this machine, with a quality setting
// where the encoder has one. The container's own encoder (Motion JPEG for an
// AVI) is chosen at first when it is there.
#include <QDialog>
#include <vector>

#include "VideoCodecs.h"

class QListWidget;
class QSlider;
class QLabel;

namespace quillo {

class TCodecDialog : public QDialog {
  Q_OBJECT
 public:
  TCodecDialog(std::vector<VideoCodecInfo> codecs, QWidget* parent = nullptr,
               const std::string& preferred = DefaultEncoder(VideoContainer::kAvi));

  // The codec and quality chosen.
  VideoCodec Chosen() const;

  QListWidget* CodecList = nullptr;
  QSlider* Quality = nullptr;

 private:
  void SelectionChange();

  std::vector<VideoCodecInfo> codecs_;
  QLabel* qualityLabel_ = nullptr;
};

}  // namespace quillo
