#include "PictureDrop.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "core/PictureFormats.h"

namespace quillo {

std::optional<std::string> DroppedPictureFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return std::nullopt;
  const QList<QUrl> urls = data->urls();
  if (urls.isEmpty() || !urls.first().isLocalFile()) return std::nullopt;
  const QString path = urls.first().toLocalFile();
  if (!FindPictureFormat(QFileInfo(path).suffix().toStdString())) return std::nullopt;
  return path.toStdString();
}

}  // namespace quillo
