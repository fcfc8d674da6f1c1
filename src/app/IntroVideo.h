#pragma once
// The intro video of the home screen: the video of the mode button the
// pointer has rested on for 1500 ms plays in a looping player over the home
// picture, until the pointer moves to another screen or the help opens.
#include <QTimer>

namespace quillo {

class TVideoPlayer;

class IntroVideo {
 public:
  // The timer runs from the start; the player comes with Place.
  IntroVideo();

  // Creates the hidden player over the picture area of parent; homePicture
  // gives way to it while a video plays.
  void Place(QWidget* parent, QWidget* homePicture);

  // The pointer came to rest on the mode button with this Tag: the timer
  // starts again towards its video.
  void Arm(int tag);

  // The timer's tick: opens and plays the armed button's video.
  void VideoTimerTimer();

  // Hides the video and stops it when it plays; the timer goes off.
  void StopIntroVideo();

  QTimer VideoTimer;
  int VideoTimerTag = 0;
  TVideoPlayer* VideoPlayer = nullptr;  // a child of the parent given to Place

 private:
  QWidget* homePicture_ = nullptr;
};

}  // namespace quillo
