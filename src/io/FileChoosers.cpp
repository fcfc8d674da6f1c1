#include "FileChoosers.h"

#include "ScreenCheck.h"
#include "TOpenImageDialog.h"

namespace quillo {

std::optional<std::string> QtFileChoosers::OpenPicture(const std::string& folder,
                                                       const std::string& filter, QWidget* parent) {
  TOpenImageDialog dialog(parent);
  dialog.setDirectory(QString::fromStdString(folder));
  dialog.setNameFilter(QString::fromStdString(filter));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.first().toStdString();
}

std::unique_ptr<FileChoosers> LoadFileChoosers(bool forceUnavailable) {
  return LoadScreenService<FileChoosers, QtFileChoosers, UnavailableFileChoosers>(forceUnavailable);
}

}  // namespace quillo
