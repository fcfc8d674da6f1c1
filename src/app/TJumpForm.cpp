#include "TJumpForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QScreen>

#include "Services.h"
#include "base/Handler.h"
#include "core/UrlShortcut.h"
#include "effects/TBlendForm.h"
#include "effects/TMorphForm.h"
#include "effects/TWarpWindow.h"
#include "io/PictureFile.h"
#include "io/core/BitmapFile.h"
#include "io/core/DataFiles.h"
#include "io/core/Folders.h"
#include "skin/BitmapImage.h"
#include "skin/QtRect.h"
#include "skin/TGraphicSlider.h"
#include "skin/core/WindowPlaces.h"

namespace quillo {

namespace {

// The client area paints the background art from the window's outer corner
// and the title over it.
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
    DrawShadowLabel(painter, form_.RxLabel5);
  }

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

void TJumpForm::Attach(TWarpWindow* warpWindow, TBlendForm* blendForm, TMorphForm* morphForm) {
  warpWindow_ = warpWindow;
  blendForm_ = blendForm;
  morphForm_ = morphForm;
}

void TJumpForm::FormCreate() {
  if (ProgramFolder.empty())
    ProgramFolder = ChooseProgramFolder(QCoreApplication::applicationDirPath().toStdString());
  if (StartFolder.empty()) StartFolder = QDir::currentPath().toStdString();
  ProgramFolder = WithTrailingSeparator(ProgramFolder);
  StartFolder = WithTrailingSeparator(StartFolder);
  setFixedSize(kWindowWidth, kWindowHeight);

  client_ = new ClientArea(*this);
  RxLabel5 = {"Quillo", ToQRect(kTitleLabel), QColor(255, 255, 0), Qt::black, 1, LabelFont()};

  // The sliders' values are read by the mirror window on every paint; their
  // panels and artwork come with the screens.
  LeftSlider = new TGraphicSlider(client_);
  LeftSlider->setObjectName("LeftSlider");
  LeftSlider->SetMax(10);
  LeftSlider->SetValue(5);
  LeftSlider->hide();
  RightSlider = new TGraphicSlider(client_);
  RightSlider->setObjectName("RightSlider");
  RightSlider->SetMax(10);
  RightSlider->SetValue(10);
  RightSlider->hide();
}

void TJumpForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_) return;
  shown_ = true;
  // Centred on the screen at first show.
  if (const QScreen* screen = this->screen())
    move(screen->availableGeometry().center() - rect().center());
  RunHandler([this] { FormShow(); });
}

void TJumpForm::FormShow() {
  BackgroundBitmap = LoadBitmapFile(DataFile(kMainBitmapFile));
  client_->update();
  Resource = LoadBitmapFile(DataFile(kSkinSheetFile));
  StartPicture = LoadBitmapFile(DataFile(kStartPictureFile));
  if (blendForm_) blendForm_->LoadDefaultFaces(DataFile(kWhiteFaceFile), DataFile(kBlackFaceFile));
  if (morphForm_) morphForm_->LoadStartMorph(DataFile(kStartMorphFile));
  PlayCue(DataFile(kStartSound));
  if (warpWindow_) {
    const Bitmap face = LoadPictureFile(DataFile(kDefaultFaceFile));
    warpWindow_->SetFacePicture(face);
    warpWindow_->show();
  }
}

void TJumpForm::FormDestroy() {
  // "play.url" in the current directory is opened when the program ends,
  // when it names a web address; anything else it names is ignored.
  QFile shortcut(QString::fromUtf8(kPlayShortcut.data(), kPlayShortcut.size()));
  if (!shortcut.exists() || !shortcut.open(QIODevice::ReadOnly)) return;
  const QByteArray text = shortcut.read(64 * 1024);
  const auto url = ShortcutUrl(std::string_view(text.constData(), text.size()));
  if (url && IsWebAddress(*url)) services_.shell->Open(QUrl(QString::fromStdString(*url)));
}

void TJumpForm::PlayCue(const std::string& path) {
  services_.sound->PlayCue(path);
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
