#include "THelpForm.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStringDecoder>
#include <vector>

#include "TJumpForm.h"
#include "WrappedShadowText.h"
#include "base/FileBytes.h"
#include "skin/BitmapImage.h"
#include "skin/TGraphicButton.h"
#include "skin/core/WindowPlaces.h"

namespace quillo {

namespace {

constexpr int kHelpWidth = 260;
constexpr int kHelpHeight = 313;
// A help text is a few hundred bytes; anything near this is not one.
constexpr std::uint64_t kMaxTextBytes = 64 * 1024;

QString DecodeText(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString text = utf8.decode(bytes);
  return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

}  // namespace

THelpForm::THelpForm(TJumpForm& jumpForm) : jumpForm_(jumpForm) {
  setObjectName("HelpForm");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFixedSize(kHelpWidth, kHelpHeight);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(56, 120, 226));
  setPalette(pal);
  setCursor(Qt::PointingHandCursor);
  Label1.rect = rect();
  Label1.color = Qt::white;  // shadow black, one pixel right and down
  Label1.font = LabelFont(11);
}

void THelpForm::LoadText(const std::string& path) {
  const std::vector<std::uint8_t> bytes = ReadFileBytes(path, kMaxTextBytes);
  const QString text =
      DecodeText(QByteArray(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  // Lines end in CR LF, LF or CR; each gets one line break.
  QString caption;
  caption.reserve(text.size() + 1);
  qsizetype start = 0;
  while (start < text.size()) {
    qsizetype end = start;
    while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
    caption += QStringView(text).mid(start, end - start);
    caption += '\n';
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
      ++end;
    start = end + 1;
  }
  Label1.caption = caption;
  update();
}

void THelpForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void THelpForm::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (event->spontaneous()) return;
  FormHide();
  // Hidden by anything but a press: the modal display ends all the same.
  if (InModal()) EndModal(kModalCancel);
}

void THelpForm::FormShow() {
  // Over the picture area, 20 pixels in from its left edge.
  move(jumpForm_.Client()->mapToGlobal(QPoint(kPictureArea.left + 20, kPictureArea.top)));
  jumpForm_.GraphicButton5->hide();
  // A press anywhere, also beside the window, closes it.
  grabMouse();
}

bool THelpForm::event(QEvent* event) {
  // The window system grants the grab only to a window on screen, which an
  // active window is; showing may come too early for it.
  if (event->type() == QEvent::WindowActivate && isVisible()) grabMouse();
  return ModalWindow::event(event);
}

void THelpForm::FormHide() {
  releaseMouse();
  jumpForm_.GraphicButton5->show();
}

void THelpForm::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const Bitmap& art = jumpForm_.BackgroundBitmap;
  if (art.Empty())
    painter.fillRect(rect(), palette().color(QPalette::Window));
  else
    painter.drawImage(jumpForm_.mapToGlobal(QPoint(0, 0)) - mapToGlobal(QPoint(0, 0)),
                      WrapImage(art));
  DrawWrappedShadowLabel(painter, Label1);
}

void THelpForm::mousePressEvent(QMouseEvent*) {
  if (InModal())
    EndModal(kModalOk);
  else
    hide();
}

}  // namespace quillo
