#include "FileChoosers.h"

#include <QFileDialog>

#include "ScreenCheck.h"
#include "TOpenImageDialog.h"

namespace quillo {

namespace {

// Runs a file dialog of the toolkit's own (the same look everywhere, and
// scriptable in tests) and gives its first chosen file.
std::optional<std::string> RunChooser(QFileDialog& dialog, const std::string& folder,
                                      const std::string& filter) {
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setDirectory(QString::fromStdString(folder));
  dialog.setNameFilter(QString::fromStdString(filter));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.first().toStdString();
}

}  // namespace

std::optional<std::string> QtFileChoosers::OpenPicture(const std::string& folder,
                                                       const std::string& filter, QWidget* parent) {
  TOpenImageDialog dialog(parent);
  return RunChooser(dialog, folder, filter);
}

std::optional<std::string> QtFileChoosers::OpenFile(const std::string& folder,
                                                    const std::string& filter, QWidget* parent) {
  QFileDialog dialog(parent, "Open");
  dialog.setFileMode(QFileDialog::ExistingFile);
  return RunChooser(dialog, folder, filter);
}

std::optional<std::string> QtFileChoosers::SaveFile(const std::string& folder,
                                                    const std::string& filter,
                                                    const std::string& defaultSuffix,
                                                    const std::string& title, QWidget* parent) {
  QFileDialog dialog(parent, QString::fromStdString(title));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QString::fromStdString(defaultSuffix));
  return RunChooser(dialog, folder, filter);
}

std::unique_ptr<FileChoosers> LoadFileChoosers(bool forceUnavailable) {
  return LoadScreenService<FileChoosers, QtFileChoosers, UnavailableFileChoosers>(forceUnavailable);
}

}  // namespace quillo
