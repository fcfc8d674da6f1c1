#include "PictureDrop.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "core/PictureFormats.h"

namespace quillo {

namespace {

std::optional<QString> DroppedLocalFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return std::nullopt;
  const QList<QUrl> urls = data->urls();
  if (urls.isEmpty() || !urls.first().isLocalFile()) return std::nullopt;
  return urls.first().toLocalFile();
}

}  // namespace

std::optional<std::string> DroppedPictureFile(const QMimeData* data) {
  const std::optional<QString> path = DroppedLocalFile(data);
  if (!path || !FindPictureFormat(QFileInfo(*path).suffix().toStdString())) return std::nullopt;
  return path->toStdString();
}

std::optional<std::string> DroppedFileOfKind(const QMimeData* data, const std::string& extension) {
  const std::optional<QString> path = DroppedLocalFile(data);
  if (!path || QFileInfo(*path).suffix().compare(QString::fromStdString(extension),
                                                 Qt::CaseInsensitive) != 0)
    return std::nullopt;
  return path->toStdString();
}

}  // namespace quillo
