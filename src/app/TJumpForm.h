#pragma once
// The main window: a frameless 640 x 480 window whose whole look comes from
// its art. Its client area, inside a 5-pixel frame, holds every control.
#include <QTimer>
#include <QWidget>
#include <array>
#include <string_view>

#include "IntroVideo.h"
#include "MirrorScreen.h"
#include "ShadowLabel.h"
#include "app/core/SlideAnimation.h"
#include "base/Bitmap.h"
#include "skin/core/PictureHolder.h"

class QEventLoop;
class QMouseEvent;

namespace quillo {

struct Services;
class QuilloWindows;
class TBlendForm;
class THelpForm;
class TGraphicButton;
class TGraphicSlider;
class TMorphForm;
class TNonRectPanel;
class TPaintBox;
class TVideoPlayer;
class TWarpWindow;
struct ScreenHandlers;

class TJumpForm : public QWidget {
  Q_OBJECT
  // The rooms of the intro video and of the Warping and Mirrors screens; the
  // members below that carry their names lead into them.
  IntroVideo intro_;
  MirrorScreen mirror_;

 public:
  // The histories of the four mode screens' changes, for undo and redo.
  ScreenHistories Histories;

 public:
  // Runs the create handler: fixes the program and start folders and the size.
  explicit TJumpForm(Services& services);
  ~TJumpForm() override;

  // The windows created after this one, which its handlers show and use.
  void Attach(QuilloWindows& windows);

  // The parent of every control: the inner 630 x 470 client area.
  QWidget* Client() const { return client_; }
  // The sliders and the settling timer as the mirror window sees them.
  WarpControls& WarpWindowControls() { return mirror_; }

  // Plays a sound cue given by its full path, or one of the nine hover cues
  // for "random" (never the one played last). Never fails.
  void PlayCue(const std::string& name);
  int LastRandomCue = 0;

  // Starts the music, once, 3000 ms after the first show.
  QTimer MidiTimer;
  void MidiTimerTimer();

  // Plays the intro video of the mode button the pointer has rested on for
  // 1500 ms (its Tag in VideoTimerTag) in VideoPlayer, over the home picture.
  QTimer& VideoTimer = intro_.VideoTimer;
  int& VideoTimerTag = intro_.VideoTimerTag;
  void VideoTimerTimer() { intro_.VideoTimerTimer(); }
  TVideoPlayer*& VideoPlayer = intro_.VideoPlayer;
  // Hides the intro video and stops it when it plays; VideoTimer goes off.
  void StopIntroVideo() { intro_.StopIntroVideo(); }

  // Shows the help text of the current screen over the picture area (the
  // Help panel is the sender), or the about text (no sender); any press
  // closes it (HelpPanelClick.cpp).
  void HelpPanelClick(QObject* sender);

  // The hover handlers of the buttons (the mode buttons, bnClose, bnMinimize,
  // Load1, Load2): a random cue and full colour on entering, and for a mode
  // button the intro video's timer; only the background again on leaving.
  void GraphicButton1MouseEnter(TGraphicButton* sender);
  void GraphicButton1MouseLeave(TGraphicButton* sender);
  // The press cue: "resource\click<Tag>.wav" for a control with a Tag.
  void GraphicButton1MouseDown(TGraphicButton* sender);

  Bitmap BackgroundBitmap;
  Bitmap StartPicture;
  // The hidden holder of the skin sheet every skinned control draws from;
  // loading it tells them all.
  PictureHolder Resource{"Resource"};
  int CurrentScreen = 0;

  // The controls of the layout, children of the client area or of a panel.
  TGraphicButton* GraphicButton1 = nullptr;  // the mode buttons
  TGraphicButton* GraphicButton2 = nullptr;
  TGraphicButton* GraphicButton3 = nullptr;
  TGraphicButton* GraphicButton4 = nullptr;
  TGraphicButton* GraphicButton5 = nullptr;  // exit
  TGraphicButton* GraphicButton6 = nullptr;  // the shortcut buttons
  TGraphicButton* GraphicButton7 = nullptr;
  TGraphicButton* GraphicButton8 = nullptr;
  TGraphicButton* GraphicButton9 = nullptr;
  TGraphicButton* bnClose = nullptr;
  TGraphicButton* bnMinimize = nullptr;
  TGraphicSlider* TrackBar = nullptr;
  TPaintBox* PaintBox = nullptr;
  TPaintBox* StartPaintBox = nullptr;
  TNonRectPanel* LeftPanel = nullptr;
  TGraphicSlider* LeftSlider = nullptr;
  TNonRectPanel* RightPanel = nullptr;
  TGraphicSlider* RightSlider = nullptr;
  TNonRectPanel* HelpPanel = nullptr;
  TNonRectPanel* LoadPanel = nullptr;
  TNonRectPanel* SavePanel = nullptr;
  TNonRectPanel* MorphLeftPanel = nullptr;
  TPaintBox* PaintBox1 = nullptr;
  TGraphicButton* Load1 = nullptr;
  TNonRectPanel* MorphRightPanel = nullptr;
  TPaintBox* PaintBox2 = nullptr;
  TGraphicButton* Load2 = nullptr;

  // Settles the mirror window: renders it smoothly 200 ms after the last change.
  QTimer& Timer = mirror_.Timer;

  // The state changes of entering the Warping and Mirrors screens: the mirror
  // window's mode, the sliders' ranges and values, their fresh backgrounds.
  void EnterWarpingState() { mirror_.EnterWarpingState(); }
  void EnterMirrorsState() { mirror_.EnterMirrorsState(); }
  // The settling tick of Timer (tests call it without waiting).
  void TimerTimer() { mirror_.TimerTimer(); }

  std::array<ShadowLabel, 4> ModeLabels;  // RxLabel1 to RxLabel4
  ShadowLabel RxLabel5;                   // the title
  ShadowLabel RxLabel6;                   // "Exit", written on GraphicButton5

  // The screens (Screens.cpp): 0 home, 1 Warping, 2 Mirrors, 3 Morphing,
  // 4 Blending. SwitchScreen(N) slides the panels in for screen N, -N slides
  // them out to home; it returns when the slide has ended.
  void SwitchScreen(int direction);
  QTimer AnimTimer;
  int AnimTimerTag = 0;  // ms elapsed in the running slide
  int SlideDirection = 0;
  void AnimTimerTimer();
  void Page1Click();           // Warping
  void Page2Click();           // Mirrors
  void GraphicButton2Click();  // Morphing
  void GraphicButton4Click();  // Blending
  void ExitClick();            // home, or the end of the program on home
  // The Load and Save tabs of Warping and Mirrors.
  void LoadPanelClick();
  void SavePanelClick();
  // The save dialog's frame at the percentage in its Tag.
  void RenderForSave();
  void bnCloseClick();
  void bnMinimizeClick();
  // Ctrl+Z, and Ctrl+Shift+Z or Ctrl+Y (Undo.cpp): the last change of the
  // current screen undone or redone; nothing during a drag or a slide.
  void UndoClick();
  void RedoClick();
  // The shortcut buttons: "website.url", "moregames.url", "tellafriend.url"
  // and "subscribe.url" of the current directory, when there.
  void OpenShortcut(std::string_view name);

  // A press on the window itself, not on a control (client pixels): the
  // title opens the about text, the rest of the strip moves the window.
  void TitleStripMouseDown(QMouseEvent* event);
  void TitleStripMouseMove(QMouseEvent* event);
  void TitleStripMouseUp(QMouseEvent* event);

 protected:
  // Centres the window on its screen before it is first mapped: placed
  // once mapped, a window manager (Openbox) may still hold the old place,
  // and the first title drag would throw the window by the difference.
  void setVisible(bool visible) override;
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  void FormDestroy();
  void CreateControls();
  void StartPaintBoxPaint(QWidget* sender, QPainter& canvas);
  void GraphicButton5MouseEnter(TGraphicButton* sender);
  bool IsModeButton(const TGraphicButton* button) const;
  void SavePanelMouseEnter();

  // The mirror sliders and the scales beside them, handled by the mirror
  // screens' room (MirrorScreen.cpp, SliderScales.cpp).
  void LeftSliderMouseDown(int y) { mirror_.LeftSliderMouseDown(y); }
  void LeftSliderMouseMove(int y) { mirror_.LeftSliderMouseMove(y); }
  void LeftSliderChange() { mirror_.LeftSliderChange(); }
  void LeftSliderPaint(QPainter& canvas) { mirror_.LeftSliderPaint(canvas); }
  void RightSliderMouseDown(int y) { mirror_.RightSliderMouseDown(y); }
  void RightSliderMouseMove(int y) { mirror_.RightSliderMouseMove(y); }
  void RightSliderChange() { mirror_.RightSliderChange(); }
  void RightSliderPaint(QPainter& canvas) { mirror_.RightSliderPaint(canvas); }
  void LeftPanelPaint(QPainter& canvas) { mirror_.LeftPanelPaint(canvas); }
  void RightPanelPaint(QPainter& canvas) { mirror_.RightPanelPaint(canvas); }

  Services& services_;
  QWidget* client_ = nullptr;
  QuilloWindows* windows_ = nullptr;
  TWarpWindow* warpWindow_ = nullptr;
  TBlendForm* blendForm_ = nullptr;
  TMorphForm* morphForm_ = nullptr;
  bool shown_ = false;
  // The slide: where it began, and the loop SwitchScreen waits in.
  SlidePositions slideStart_;
  QEventLoop* slideLoop_ = nullptr;
  // Moving the window by the title strip where the window system does not.
  bool movingWindow_ = false;
  QPoint moveOffset_;
  void BindScreenHandlers();
  // The undo and redo keys (Undo.cpp).
  void BindUndoKeys();
  // Ctrl+L, the automatic lines of the Morphing screen (AutoLinesKey.cpp).
  void BindAutoLinesKey();
  // True while a change is under way: a drag, a slide, a button held.
  bool ChangeUnderWay() const;
  void Graft(const ScreenHandlers& handlers);
  void MovePanels(const SlidePositions& p);
};

}  // namespace quillo
