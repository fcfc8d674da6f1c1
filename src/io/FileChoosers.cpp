#include "FileChoosers.h"

#include <QFileDialog>
#include <QRegularExpression>
#include <algorithm>

#include "ScreenCheck.h"
#include "TOpenImageDialog.h"

namespace quillo {

namespace {

// Runs a file dialog of the toolkit's own (the same look everywhere, and
// scriptable in tests) and gives its first chosen file.
std::optional<std::string> RunChooser(QFileDialog& dialog, const std::string& folder,
                                      const QStringList& filters) {
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setDirectory(QString::fromStdString(folder));
  dialog.setNameFilters(filters);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.first().toStdString();
}

}  // namespace

std::optional<std::string> QtFileChoosers::OpenPicture(const std::string& folder,
                                                       const std::string& filter, QWidget* parent) {
  TOpenImageDialog dialog(parent);
  return RunChooser(dialog, folder, QString::fromStdString(filter).split(";;"));
}

std::optional<std::string> QtFileChoosers::OpenFile(const std::string& folder,
                                                    const std::string& filter, QWidget* parent) {
  QFileDialog dialog(parent, "Open");
  dialog.setFileMode(QFileDialog::ExistingFile);
  return RunChooser(dialog, folder, QString::fromStdString(filter).split(";;"));
}

std::optional<SaveChoice> QtFileChoosers::SaveFile(const std::string& folder,
                                                   const std::string& filter,
                                                   const std::string& title, QWidget* parent) {
  QFileDialog dialog(parent, QString::fromStdString(title));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  const QStringList filters = QString::fromStdString(filter).split(";;");
  // A name without an extension gets the chosen filter's first one.
  const auto suffixOf = [](const QString& f) {
    static const QRegularExpression pattern(R"(\*\.(\w+))");
    const QRegularExpressionMatch match = pattern.match(f);
    return match.hasMatch() ? match.captured(1) : QString();
  };
  dialog.setDefaultSuffix(suffixOf(filters.first()));
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog, suffixOf](const QString& f) { dialog.setDefaultSuffix(suffixOf(f)); });
  const std::optional<std::string> path = RunChooser(dialog, folder, filters);
  if (!path) return std::nullopt;
  return SaveChoice{*path,
                    std::max(0, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())))};
}

std::unique_ptr<FileChoosers> LoadFileChoosers(bool forceUnavailable) {
  return LoadScreenService<FileChoosers, QtFileChoosers, UnavailableFileChoosers>(forceUnavailable);
}

}  // namespace quillo
