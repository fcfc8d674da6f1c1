#include "TJumpForm.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QIcon>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <cstdlib>

#include "FirstPaintStamp.h"
#include "QuilloWindows.h"
#include "Services.h"
#include "base/Error.h"
#include "base/FileBytes.h"
#include "base/Handler.h"
#include "core/UrlShortcut.h"
#include "effects/TBlendForm.h"
#include "effects/TMorphForm.h"
#include "effects/TWarpWindow.h"
#include "io/PictureFile.h"
#include "io/core/BitmapFile.h"
#include "io/core/DataFiles.h"
#include "io/core/Folders.h"
#include "media/core/RandomCue.h"
#include "skin/BitmapImage.h"
#include "skin/ConnectHandler.h"
#include "skin/QtRect.h"
#include "skin/TGraphicButton.h"
#include "skin/TGraphicSlider.h"
#include "skin/TNonRectPanel.h"
#include "skin/TPaintBox.h"
#include "skin/WindowControls.h"
#include "skin/core/WindowPlaces.h"

namespace quillo {

namespace {

constexpr std::uint64_t kMaxShortcutBytes = 64 * 1024;  // far beyond any real shortcut

// The client area paints the background art from the window's outer corner,
// the mode captions and the title over it.
class ClientArea final : public QWidget {
 public:
  ClientArea(TJumpForm& form) : QWidget(&form), form_(form) {
    setObjectName("ClientArea");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(kFrame, kFrame, kWindowWidth - 2 * kFrame, kWindowHeight - 2 * kFrame);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    if (form_.BackgroundBitmap.Empty())
      painter.fillRect(rect(), QColor(0, 64, 128));
    else
      painter.drawImage(-kFrame, -kFrame, WrapImage(form_.BackgroundBitmap));
    for (const ShadowLabel& label : form_.ModeLabels) DrawShadowLabel(painter, label);
    DrawShadowLabel(painter, form_.RxLabel5);
    if (!form_.BackgroundBitmap.Empty()) StampFirstPaint();
  }
  void mousePressEvent(QMouseEvent* event) override { form_.TitleStripMouseDown(event); }
  void mouseMoveEvent(QMouseEvent* event) override { form_.TitleStripMouseMove(event); }
  void mouseReleaseEvent(QMouseEvent* event) override { form_.TitleStripMouseUp(event); }

 private:
  TJumpForm& form_;
};

}  // namespace

TJumpForm::TJumpForm(Services& services) : services_(services) {
  setObjectName("JumpForm");
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setAttribute(Qt::WA_OpaquePaintEvent);
  FormCreate();
}

TJumpForm::~TJumpForm() {
  FormDestroy();
}

void TJumpForm::Attach(QuilloWindows& windows) {
  windows_ = &windows;
  warpWindow_ = windows.WarpWindow;
  mirror_.Attach(warpWindow_);
  blendForm_ = windows.BlendForm.get();
  morphForm_ = windows.MorphForm.get();
}

void TJumpForm::FormCreate() {
  if (ProgramFolder.empty())
    ProgramFolder = ChooseProgramFolder(QCoreApplication::applicationDirPath().toStdString());
  if (StartFolder.empty()) StartFolder = QDir::currentPath().toStdString();
  ProgramFolder = WithTrailingSeparator(ProgramFolder);
  StartFolder = WithTrailingSeparator(StartFolder);
  setFixedSize(kWindowWidth, kWindowHeight);
  // The window and the task bar show the icon of the data folder; without
  // it they show the desktop's default, which needs no message. Read as PNG
  // and nothing else: left to guess, Qt would load every image plugin it has
  // to ask each whether it reads the file.
  QIcon icon;
  for (int size : kIconSizes) {
    QImageReader reader(QString::fromStdString(DataFile(IconFile(size))), "png");
    reader.setAutoDetectImageFormat(false);
    const QImage picture = reader.read();
    if (!picture.isNull()) icon.addPixmap(QPixmap::fromImage(picture));
  }
  QApplication::setWindowIcon(icon);

  client_ = new ClientArea(*this);
  const char* captions[] = {"Warping", "Morphing", "Mirrors", "Blending"};
  for (std::size_t i = 0; i < ModeLabels.size(); ++i)
    ModeLabels[i] = {
        captions[i], ToQRect(kModePlaces[i].caption), QColor(192, 192, 192), Qt::black, 1,
        LabelFont()};
  RxLabel5 = {"Quillo", ToQRect(kTitleLabel), QColor(255, 255, 0), Qt::black, 1, LabelFont()};
  RxLabel6 = {"Exit", ToQRect(kExitLabel), QColor(255, 255, 0), Qt::black, 1, LabelFont()};
  CreateControls();
}

void TJumpForm::CreateControls() {
  const WindowControls controls(client_, MainWindowLayout(), {{kSkinSheetHolder, &Resource}});
  GraphicButton1 = controls.Get<TGraphicButton>("GraphicButton1");
  GraphicButton2 = controls.Get<TGraphicButton>("GraphicButton2");
  GraphicButton3 = controls.Get<TGraphicButton>("GraphicButton3");
  GraphicButton4 = controls.Get<TGraphicButton>("GraphicButton4");
  GraphicButton5 = controls.Get<TGraphicButton>("GraphicButton5");
  GraphicButton6 = controls.Get<TGraphicButton>("GraphicButton6");
  GraphicButton7 = controls.Get<TGraphicButton>("GraphicButton7");
  GraphicButton8 = controls.Get<TGraphicButton>("GraphicButton8");
  GraphicButton9 = controls.Get<TGraphicButton>("GraphicButton9");
  bnClose = controls.Get<TGraphicButton>("bnClose");
  bnMinimize = controls.Get<TGraphicButton>("bnMinimize");
  TrackBar = controls.Get<TGraphicSlider>("TrackBar");
  PaintBox = controls.Get<TPaintBox>("PaintBox");
  StartPaintBox = controls.Get<TPaintBox>("StartPaintBox");
  LeftPanel = controls.Get<TNonRectPanel>("LeftPanel");
  LeftSlider = controls.Get<TGraphicSlider>("LeftSlider");
  RightPanel = controls.Get<TNonRectPanel>("RightPanel");
  RightSlider = controls.Get<TGraphicSlider>("RightSlider");
  HelpPanel = controls.Get<TNonRectPanel>("HelpPanel");
  LoadPanel = controls.Get<TNonRectPanel>("LoadPanel");
  SavePanel = controls.Get<TNonRectPanel>("SavePanel");
  MorphLeftPanel = controls.Get<TNonRectPanel>("MorphLeftPanel");
  PaintBox1 = controls.Get<TPaintBox>("PaintBox1");
  Load1 = controls.Get<TGraphicButton>("Load1");
  MorphRightPanel = controls.Get<TNonRectPanel>("MorphRightPanel");
  PaintBox2 = controls.Get<TPaintBox>("PaintBox2");
  Load2 = controls.Get<TGraphicButton>("Load2");
  StartPaintBox->OnPaint = [this](QWidget* sender, QPainter& canvas) {
    StartPaintBoxPaint(sender, canvas);
  };
  // Buttons light up under the pointer: fully drawn while hovered, only the
  // background otherwise.
  for (TGraphicButton* button : {GraphicButton1, GraphicButton2, GraphicButton3, GraphicButton4,
                                 bnClose, bnMinimize, Load1, Load2}) {
    button->OnMouseEnter = [this](TGraphicButton* b) { GraphicButton1MouseEnter(b); };
    button->OnMouseLeave = [this](TGraphicButton* b) { GraphicButton1MouseLeave(b); };
  }
  for (TGraphicButton* button : {GraphicButton1, bnClose, bnMinimize})
    button->OnMouseDown = [this](TGraphicButton* b, Qt::MouseButton, Qt::KeyboardModifiers, int,
                                 int) { GraphicButton1MouseDown(b); };
  for (TNonRectPanel* panel : {LoadPanel, SavePanel})
    panel->OnMouseEnter = [this](TNonRectPanel*) { SavePanelMouseEnter(); };
  GraphicButton5->OnMouseEnter = [this](TGraphicButton* b) { GraphicButton5MouseEnter(b); };
  GraphicButton5->OnMouseLeave = [this](TGraphicButton* b) { GraphicButton1MouseLeave(b); };
  mirror_.Bind({LeftSlider, RightSlider, LeftPanel, RightPanel, &Resource,
                [this](const std::string& name) { PlayCue(name); }, &Histories,
                [this] { return CurrentScreen; }});
  BindScreenHandlers();
  BindUndoKeys();
  BindAutoLinesKey();
  MidiTimer.setInterval(3000);
  MidiTimer.setSingleShot(true);
  ConnectHandler(&MidiTimer, &QTimer::timeout, this, [this] { MidiTimerTimer(); });
  intro_.Place(client_, StartPaintBox);
}

bool TJumpForm::IsModeButton(const TGraphicButton* button) const {
  return button == GraphicButton1 || button == GraphicButton2 || button == GraphicButton3 ||
         button == GraphicButton4;
}

void TJumpForm::GraphicButton1MouseEnter(TGraphicButton* sender) {
  if (!isActiveWindow()) return;
  PlayCue("random");
  sender->SetTransparency(0);
  if (IsModeButton(sender)) intro_.Arm(sender->Tag);
}

void TJumpForm::GraphicButton1MouseDown(TGraphicButton* sender) {
  if (sender->Tag != 0) PlayCue(DataFile(ClickSound(sender->Tag)));
}

void TJumpForm::SavePanelMouseEnter() {
  PlayCue("random");
}

void TJumpForm::GraphicButton1MouseLeave(TGraphicButton* sender) {
  sender->SetTransparency(100);
  VideoTimer.stop();  // a video already playing goes on
}

void TJumpForm::GraphicButton5MouseEnter(TGraphicButton* sender) {
  PlayCue(DataFile(kExitSound));
  sender->SetTransparency(0);
}

void TJumpForm::StartPaintBoxPaint(QWidget*, QPainter& canvas) {
  if (!StartPicture.Empty()) canvas.drawImage(0, 0, WrapImage(StartPicture));
}

void TJumpForm::setVisible(bool visible) {
  if (visible && !shown_)
    if (const QScreen* screen = this->screen())
      move(screen->availableGeometry().center() - rect().center());
  QWidget::setVisible(visible);
}

void TJumpForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_) return;
  shown_ = true;
  // The new window takes the focus, also where no window manager gives it.
  activateWindow();
  RunHandler([this] { FormShow(); });
}

void TJumpForm::FormShow() {
  BackgroundBitmap = LoadBitmapFile(DataFile(kMainBitmapFile));
  client_->update();
  BmpPicture sheet = LoadBmpPicture(DataFile(kSkinSheetFile));
  Resource.SetPicture(std::move(sheet.bitmap), sheet.bitsPerPixel);
  StartPicture = LoadBitmapFile(DataFile(kStartPictureFile));
  StartPaintBox->update();
  if (blendForm_) blendForm_->LoadDefaultFaces(DataFile(kWhiteFaceFile), DataFile(kBlackFaceFile));
  if (morphForm_) morphForm_->LoadStartMorph(DataFile(kStartMorphFile));
  // The mode and exit buttons show only the background until hovered.
  for (TGraphicButton* button :
       {GraphicButton1, GraphicButton2, GraphicButton3, GraphicButton4, GraphicButton5})
    button->SetTransparency(100);
  PlayCue(DataFile(kStartSound));
  MidiTimer.start();
  if (warpWindow_) {
    const Bitmap face = LoadPictureFile(DataFile(kDefaultFaceFile));
    warpWindow_->SetFacePicture(face);
  }
}

void TJumpForm::FormDestroy() {
  // "play.url" in the current directory is opened when the program ends.
  OpenShortcut(kPlayShortcut);
}

void TJumpForm::OpenShortcut(std::string_view name) {
  // An internet shortcut of the current directory, when it names a web
  // address; a missing file, or anything else it names, is ignored.
  // Only a regular file of a sensible size: a pipe or a device of that name
  // would block or never end.
  std::vector<std::uint8_t> text;
  try {
    text = ReadFileBytes(std::string(name), kMaxShortcutBytes);
  } catch (const Error&) {
    return;
  }
  const auto url =
      ShortcutUrl(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
  if (url && IsWebAddress(*url)) services_.shell->Open(QUrl(QString::fromStdString(*url)));
}

void TJumpForm::PlayCue(const std::string& name) {
  if (name != "random") {
    services_.sound->PlayCue(name);
    return;
  }
  // The standard library's generator, unseeded: the same order on every run.
  LastRandomCue = NextRandomCue(LastRandomCue, [] { return std::rand(); });
  services_.sound->PlayCue(DataFile(RandomSound(LastRandomCue)));
}

void TJumpForm::MidiTimerTimer() {
  MidiTimer.stop();
  services_.sound->PlayMusic(DataFile(kStartMusic));
}

void TJumpForm::paintEvent(QPaintEvent*) {
  // The frame: a raised dialog edge around a sunken client edge, 5 pixels in all.
  QPainter painter(this);
  const QPalette& pal = palette();
  QRect r = rect();
  auto edge = [&](const QColor& topLeft, const QColor& bottomRight) {
    painter.setPen(topLeft);
    painter.drawLine(r.topLeft(), r.topRight() - QPoint(1, 0));
    painter.drawLine(r.topLeft(), r.bottomLeft() - QPoint(0, 1));
    painter.setPen(bottomRight);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    r.adjust(1, 1, -1, -1);
  };
  edge(pal.color(QPalette::Midlight), pal.color(QPalette::Shadow));
  edge(pal.color(QPalette::Light), pal.color(QPalette::Dark));
  edge(pal.color(QPalette::Button), pal.color(QPalette::Button));
  edge(pal.color(QPalette::Dark), pal.color(QPalette::Light));
  edge(pal.color(QPalette::Shadow), pal.color(QPalette::Midlight));
}

}  // namespace quillo
