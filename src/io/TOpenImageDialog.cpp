#include "TOpenImageDialog.h"

#include <QApplication>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QToolTip>
#include <QVBoxLayout>

#include "PictureFile.h"
#include "core/PictureFormats.h"
#include "core/PreviewPlacement.h"
#include "skin/BitmapImage.h"
#include "skin/ConnectHandler.h"
#include "skin/TPaintBox.h"

namespace quillo {

namespace {

constexpr int kBoxWidth = 151;
constexpr int kBoxHeight = 139;

// The picture of a file, or nothing when it is no readable picture file.
Bitmap PreviewOf(const QString& path) {
  const QFileInfo info(path);
  if (!info.isFile() || !info.isReadable()) return {};
  if (!FindPictureFormat(info.suffix().toStdString())) return {};
  try {
    return LoadPictureFile(path.toStdString());
  } catch (const std::exception&) {
    return {};  // a damaged file simply has no preview
  }
}

}  // namespace

TOpenImageDialog::TOpenImageDialog(QWidget* parent) : QFileDialog(parent) {
  setObjectName("OpenImageDialog");
  setOption(QFileDialog::DontUseNativeDialog);
  setFileMode(QFileDialog::ExistingFile);
  setAcceptMode(QFileDialog::AcceptOpen);

  PicturePanel = new QWidget(this);
  PicturePanel->setObjectName("PicturePanel");
  auto* column = new QVBoxLayout(PicturePanel);
  column->setContentsMargins(4, 0, 0, 0);
  PictureLabel = new QLabel(PicturePanel);
  PictureLabel->setObjectName("PictureLabel");
  PictureLabel->setAlignment(Qt::AlignCenter);
  column->addWidget(PictureLabel);
  PaintPanel = new QFrame(PicturePanel);
  PaintPanel->setObjectName("PaintPanel");
  PaintPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  auto* inner = new QVBoxLayout(PaintPanel);
  inner->setContentsMargins(2, 2, 2, 2);
  PaintBox = new TPaintBox(PaintPanel);
  PaintBox->setObjectName("PaintBox");
  PaintBox->setFixedSize(kBoxWidth, kBoxHeight);
  PaintBox->OnPaint = [this](QWidget* sender, QPainter& canvas) { PaintBoxPaint(sender, canvas); };
  inner->addWidget(PaintBox);
  column->addWidget(PaintPanel);
  column->addStretch();

  // The toolkit's dialog lays its controls out in a grid: the panel takes a
  // column of its own on the right, beside all of them.
  if (auto* grid = qobject_cast<QGridLayout*>(layout()))
    grid->addWidget(PicturePanel, 0, grid->columnCount(), grid->rowCount(), 1);
  else
    layout()->addWidget(PicturePanel);

  ConnectHandler(this, &QFileDialog::currentChanged, this,
                 [this](const QString& path) { SelectionChange(path); });
}

void TOpenImageDialog::SelectionChange(const QString& path) {
  ShowPreview(PreviewOf(path));
}

void TOpenImageDialog::ShowPreview(Bitmap picture) {
  PreviewPicture = std::move(picture);
  PictureLabel->setText(
      PreviewPicture.Empty()
          ? QString()
          : QStringLiteral("(%1,%2)").arg(PreviewPicture.Width()).arg(PreviewPicture.Height()));
  PaintBox->update();
}

void TOpenImageDialog::PaintBoxPaint(QWidget* sender, QPainter& canvas) {
  if (PreviewPicture.Empty()) return;
  const QRect r = sender->rect();
  const Rect place =
      PreviewPlacement(PreviewPicture.Width(), PreviewPicture.Height(), r.width(), r.height());
  if (place.IsEmpty()) return;
  const QImage image = ToImage(PreviewPicture);
  if (place.Width() == PreviewPicture.Width()) {
    canvas.drawImage(r.left() + place.left, r.top() + place.top, image);
  } else {
    canvas.setRenderHint(QPainter::SmoothPixmapTransform);
    canvas.drawImage(QRect(place.left, place.top, place.Width(), place.Height()), image);
  }
}

void TOpenImageDialog::showEvent(QShowEvent* event) {
  ShowPreview({});
  QFileDialog::showEvent(event);
}

void TOpenImageDialog::hideEvent(QHideEvent* event) {
  // A hint shown over the dialog would otherwise stay behind it.
  QToolTip::hideText();
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->windowType() == Qt::ToolTip && w->isVisible()) w->hide();
  QFileDialog::hideEvent(event);
}

}  // namespace quillo
