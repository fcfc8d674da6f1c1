#include "TCodecDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

#include "ScreenCheck.h"
#include "VideoCodecChooser.h"
#include "skin/ConnectHandler.h"
#include "skin/WaitCursor.h"

namespace quillo {

namespace {

// The quality slider runs from 1 (smallest file) to 31 (finest picture); the
// encoders' quantiser scale runs the other way.
constexpr int kFinest = 31;
const int kDefaultQuality = kFinest + 1 - VideoCodec{}.qscale;

}  // namespace

TCodecDialog::TCodecDialog(std::vector<VideoCodecInfo> codecs, QWidget* parent,
                           const std::string& preferredEncoder)
    : QDialog(parent), codecs_(std::move(codecs)) {
  setWindowTitle("Video Compression");
  resize(460, 380);
  // Alphabetical by what a person reads, not by FFmpeg's registration order.
  std::sort(codecs_.begin(), codecs_.end(), [](const auto& a, const auto& b) {
    return QString::fromStdString(a.description)
               .compare(QString::fromStdString(b.description), Qt::CaseInsensitive) < 0;
  });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Compressor:", this));
  CodecList = new QListWidget(this);
  int preferred = 0;
  for (std::size_t i = 0; i < codecs_.size(); ++i) {
    CodecList->addItem(
        QString::fromStdString(codecs_[i].description + " (" + codecs_[i].encoder + ")"));
    if (codecs_[i].encoder == preferredEncoder) preferred = static_cast<int>(i);
  }
  layout->addWidget(CodecList);
  qualityLabel_ = new QLabel("Quality:", this);
  layout->addWidget(qualityLabel_);
  Quality = new QSlider(Qt::Horizontal, this);
  Quality->setRange(1, kFinest);
  Quality->setValue(kDefaultQuality);
  layout->addWidget(Quality);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  ConnectHandler(buttons, &QDialogButtonBox::accepted, this, [this] { accept(); });
  ConnectHandler(buttons, &QDialogButtonBox::rejected, this, [this] { reject(); });
  layout->addWidget(buttons);
  buttons->button(QDialogButtonBox::Ok)->setEnabled(!codecs_.empty());
  ConnectHandler(CodecList, &QListWidget::currentRowChanged, this, [this] { SelectionChange(); });
  if (!codecs_.empty()) CodecList->setCurrentRow(preferred);
  SelectionChange();
}

void TCodecDialog::SelectionChange() {
  const int row = CodecList->currentRow();
  const bool quality = row >= 0 && codecs_[static_cast<std::size_t>(row)].hasQuality;
  Quality->setEnabled(quality);
  qualityLabel_->setEnabled(quality);
}

VideoCodec TCodecDialog::Chosen() const {
  VideoCodec codec;
  const int row = CodecList->currentRow();
  if (row < 0) return codec;
  const VideoCodecInfo& info = codecs_[static_cast<std::size_t>(row)];
  codec.encoder = info.encoder;
  codec.qscale = info.hasQuality ? kFinest + 1 - Quality->value() : 0;
  return codec;
}

std::optional<VideoCodec> QtVideoCodecChooser::ChooseCodec(VideoContainer container, int width,
                                                           int height, QWidget* parent) {
  std::vector<VideoCodecInfo> usable;
  {
    const WaitCursor busy;
    usable = UsableVideoCodecs(container, width, height);
  }
  TCodecDialog dialog(std::move(usable), parent, DefaultEncoder(container));
  if (dialog.exec() != QDialog::Accepted || dialog.CodecList->currentRow() < 0) return std::nullopt;
  return dialog.Chosen();
}

std::unique_ptr<VideoCodecChooser> LoadVideoCodecChooser(bool forceUnavailable) {
  return LoadScreenService<VideoCodecChooser, QtVideoCodecChooser, UnavailableVideoCodecChooser>(
      forceUnavailable);
}

}  // namespace quillo
