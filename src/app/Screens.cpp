// The main window's screens: the slide between home and a mode screen, the
// four mode buttons and the exit button, the handlers the Morphing and
// Blending screens lend the window's controls, and the Load and Save tabs of
// Warping and Mirrors.
#include <QApplication>
#include <QEventLoop>
#include <QRegion>

#include "QuilloWindows.h"
#include "TJumpForm.h"
#include "effects/ScreenHandlers.h"
#include "effects/TBlendForm.h"
#include "effects/TMorphForm.h"
#include "effects/TWarpWindow.h"
#include "effects/core/FullSizeRender.h"
#include "io/TOpenForm.h"
#include "io/TSaveForm.h"
#include "io/core/DataFiles.h"
#include "io/core/Folders.h"
#include "skin/ConnectHandler.h"
#include "skin/TGraphicButton.h"
#include "skin/TGraphicSlider.h"
#include "skin/TNonRectPanel.h"
#include "skin/TPaintBox.h"
#include "skin/WaitCursor.h"

namespace quillo {

void TJumpForm::BindScreenHandlers() {
  AnimTimer.setInterval(kSlideTick);
  AnimTimer.setTimerType(Qt::PreciseTimer);
  ConnectHandler(&AnimTimer, &QTimer::timeout, this, [this] { AnimTimerTimer(); });
  GraphicButton1->OnClick = [this](TGraphicButton*) { Page1Click(); };
  GraphicButton3->OnClick = [this](TGraphicButton*) { Page2Click(); };
  GraphicButton2->OnClick = [this](TGraphicButton*) { GraphicButton2Click(); };
  GraphicButton4->OnClick = [this](TGraphicButton*) { GraphicButton4Click(); };
  GraphicButton5->OnClick = [this](TGraphicButton*) { ExitClick(); };
  GraphicButton5->OnPaint = [this](QWidget*, QPainter& canvas) {
    DrawShadowLabel(canvas, RxLabel6, RxLabel6.rect.top() - GraphicButton5->y(),
                    RxLabel6.rect.left() - GraphicButton5->x());
  };
  bnClose->OnClick = [this](TGraphicButton*) { bnCloseClick(); };
  bnMinimize->OnClick = [this](TGraphicButton*) { bnMinimizeClick(); };
  GraphicButton6->OnClick = [this](TGraphicButton*) { OpenShortcut(kWebsiteShortcut); };
  GraphicButton7->OnClick = [this](TGraphicButton*) { OpenShortcut(kMoreGamesShortcut); };
  GraphicButton8->OnClick = [this](TGraphicButton*) { OpenShortcut(kTellAFriendShortcut); };
  GraphicButton9->OnClick = [this](TGraphicButton*) { OpenShortcut(kSubscribeShortcut); };
  HelpPanel->OnClick = [this](TNonRectPanel* sender) { HelpPanelClick(sender); };
}

void TJumpForm::SwitchScreen(int direction) {
  VideoTimer.stop();
  setEnabled(false);
  StopIntroVideo();
  for (TGraphicButton* button :
       {GraphicButton1, GraphicButton2, GraphicButton3, GraphicButton4, GraphicButton5})
    button->hide();
  PlayCue(DataFile(direction > 0 ? kMove2Sound : kMove1Sound));
  if (SlidesMirrorPanels(direction)) {
    LeftPanel->show();
    RightPanel->show();
  } else {
    MorphLeftPanel->show();
    MorphRightPanel->show();
  }
  SlideDirection = direction;
  AnimTimerTag = 0;
  AnimTimer.start();
  // Timers and painting go on while the panels slide; the window takes no input.
  QEventLoop loop;
  slideLoop_ = &loop;
  loop.exec();
  slideLoop_ = nullptr;
  for (TGraphicButton* button : {GraphicButton1, GraphicButton2, GraphicButton3, GraphicButton4})
    button->setVisible(direction < 0);
  GraphicButton5->show();
  StartPaintBox->setVisible(direction <= 0);
  setEnabled(true);
}

void TJumpForm::AnimTimerTimer() {
  const bool mirrorPanels = SlidesMirrorPanels(SlideDirection);
  TNonRectPanel* left = mirrorPanels ? LeftPanel : MorphLeftPanel;
  TNonRectPanel* right = mirrorPanels ? RightPanel : MorphRightPanel;
  if (AnimTimerTag == 0)
    slideStart_ = {HelpPanel->y(), LoadPanel->x(), LoadPanel->y(), SavePanel->x(),
                   SavePanel->y(), left->x(),      right->x()};
  AnimTimerTag += kSlideTick;
  const SlidePositions p = SlideAt(slideStart_, SlideDirection, AnimTimerTag);
  QRegion uncovered;
  for (QWidget* w : {static_cast<QWidget*>(HelpPanel), static_cast<QWidget*>(LoadPanel),
                     static_cast<QWidget*>(SavePanel), static_cast<QWidget*>(left),
                     static_cast<QWidget*>(right)})
    uncovered += w->geometry();
  HelpPanel->move(HelpPanel->x(), p.helpTop);
  LoadPanel->move(p.loadLeft, p.loadTop);
  SavePanel->move(p.saveLeft, p.saveTop);
  left->move(p.leftPanel, left->y());
  right->move(p.rightPanel, right->y());
  // What the moves uncovered is painted now, not when the loop comes to it.
  client_->repaint(uncovered);
  if (AnimTimerTag >= SlideDuration(SlideDirection)) {
    AnimTimer.stop();
    if (slideLoop_) slideLoop_->quit();
  }
}

void TJumpForm::Page1Click() {
  {
    const WaitCursor wait;
    EnterWarpingState();
  }
  LoadPanel->OnClick = [this](TNonRectPanel*) { LoadPanelClick(); };
  SavePanel->OnClick = [this](TNonRectPanel*) { SavePanelClick(); };
  SwitchScreen(1);
  CurrentScreen = 1;
  warpWindow_->show();
}

void TJumpForm::Page2Click() {
  {
    const WaitCursor wait;
    EnterMirrorsState();
  }
  LoadPanel->OnClick = [this](TNonRectPanel*) { LoadPanelClick(); };
  SavePanel->OnClick = [this](TNonRectPanel*) { SavePanelClick(); };
  SwitchScreen(2);
  CurrentScreen = 2;
  warpWindow_->show();
}

void TJumpForm::Graft(const ScreenHandlers& h) {
  PaintBox1->Take(h.paintBox1);
  PaintBox2->Take(h.paintBox2);
  PaintBox1->TakeDrop(h.paintBox1Drop);
  PaintBox2->TakeDrop(h.paintBox2Drop);
  Load1->OnClick = h.load1Click;
  Load2->OnClick = h.load2Click;
  LoadPanel->OnClick = h.loadClick;
  SavePanel->OnClick = h.saveClick;
  TrackBar->OnChange = h.trackBarChange;
}

void TJumpForm::GraphicButton2Click() {
  const ScreenHandlers h = morphForm_->Handlers();
  Graft(h);
  SwitchScreen(3);
  CurrentScreen = 3;
  PaintBox->Take(h.paintBox);
  PaintBox->TakeDrop(h.paintBoxDrop);
  PaintBox->show();
  TrackBar->show();
}

void TJumpForm::GraphicButton4Click() {
  const ScreenHandlers h = blendForm_->Handlers();
  Graft(h);
  SwitchScreen(4);
  CurrentScreen = 4;
  PaintBox->Take(h.paintBox);
  PaintBox->TakeDrop(h.paintBoxDrop);
  PaintBox->show();
}

void TJumpForm::ExitClick() {
  if (CurrentScreen <= 0) {
    close();
    return;
  }
  SwitchScreen(-CurrentScreen);
  for (QWidget* w : {static_cast<QWidget*>(PaintBox), static_cast<QWidget*>(warpWindow_),
                     static_cast<QWidget*>(LeftPanel), static_cast<QWidget*>(MorphLeftPanel),
                     static_cast<QWidget*>(RightPanel), static_cast<QWidget*>(MorphRightPanel),
                     static_cast<QWidget*>(TrackBar)})
    w->hide();
  PaintBox1->Detach();
  PaintBox2->Detach();
  PaintBox->Detach();
  CurrentScreen = 0;
}

void TJumpForm::LoadPanelClick() {
  PlayCue(DataFile(kOpenSound));
  warpWindow_->hide();
  TOpenForm& openForm = *windows_->OpenForm;
  if (openForm.ShowModal() == kModalOk) {
    warpWindow_->SetFacePicture(openForm.ResultPicture);
    openForm.ResultPicture = Bitmap();
  }
  warpWindow_->show();
}

void TJumpForm::SavePanelClick() {
  PlayCue(DataFile(kSaveSound));
  warpWindow_->hide();
  warpWindow_->RenderDistorted({0, 0, kFaceSize, kFaceSize}, UseSliderValue, UseSliderValue);
  TSaveForm& saveForm = *windows_->SaveForm;
  // The dialog only reads the view, which RenderForSave renders afresh.
  saveForm.SaveBitmap = const_cast<Bitmap*>(&warpWindow_->Model().ViewBitmap());
  saveForm.OnRenderFrame = [this] { RenderForSave(); };
  // A face made from a larger photo can also be saved at the photo's size.
  if (const std::shared_ptr<const Bitmap> photo = warpWindow_->Model().Photo()) {
    saveForm.FullSize = {photo->Width(), photo->Height()};
    saveForm.OnRenderFullSize = [this, photo] {
      return RenderFullSize(warpWindow_->Model(), *photo, RightSlider->Value() * 0.1,
                            LeftSlider->Value() * 0.1);
    };
  }
  saveForm.ShowModal();
  warpWindow_->show();
}

void TJumpForm::RenderForSave() {
  warpWindow_->RenderForSave(windows_->SaveForm->Tag);
}

void TJumpForm::bnCloseClick() {
  close();
}

void TJumpForm::bnMinimizeClick() {
  showMinimized();
}

}  // namespace quillo
