#include "IntroVideo.h"

#include <exception>

#include "io/core/DataFiles.h"
#include "io/core/Folders.h"
#include "media/TVideoPlayer.h"
#include "skin/ConnectHandler.h"
#include "skin/QtRect.h"
#include "skin/core/WindowPlaces.h"

namespace quillo {

IntroVideo::IntroVideo() {
  VideoTimer.setInterval(1500);
  ConnectHandler(&VideoTimer, &QTimer::timeout, &VideoTimer, [this] { VideoTimerTimer(); });
}

void IntroVideo::Place(QWidget* parent, QWidget* homePicture) {
  homePicture_ = homePicture;
  VideoPlayer = new TVideoPlayer(parent);
  VideoPlayer->setGeometry(ToQRect(kPictureArea));
  VideoPlayer->AutoLoop = true;
  VideoPlayer->hide();
}

void IntroVideo::Arm(int tag) {
  VideoTimerTag = tag;
  VideoTimer.start();
}

void IntroVideo::VideoTimerTimer() {
  VideoTimer.stop();
  try {
    VideoPlayer->FileName = DataFile(VideoFile(VideoTimerTag));
    VideoPlayer->Open();
    VideoPlayer->Play();
    homePicture_->hide();
    VideoPlayer->show();
  } catch (const std::exception&) {
    // A missing or broken video leaves the home picture; nothing is said.
    // Opening closed the video that played before, so its empty player goes.
    if (!VideoPlayer->Opened()) {
      VideoPlayer->hide();
      homePicture_->show();
    }
  }
}

void IntroVideo::StopIntroVideo() {
  VideoTimer.stop();
  if (VideoPlayer->GetMode() == static_cast<int>(MediaMode::Playing)) VideoPlayer->Stop();
  VideoPlayer->hide();
}

}  // namespace quillo
