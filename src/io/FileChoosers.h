#pragma once
// The file choosers as a platform service, so that the dialogs that ask for a
// file can be driven without a person: the real one shows the toolkit's
// dialog; the unavailable one (no screen, or forced for tests) chooses nothing.
#include <memory>
#include <optional>
#include <string>

#include "base/PlatformService.h"

class QWidget;

namespace quillo {

// A file named to be written, and which of the offered filters was chosen
// (0 for the first).
struct SaveChoice {
  std::string path;
  int filter = 0;
};

class FileChoosers : public PlatformService {
 public:
  // Lets the user choose an existing picture file, starting in `folder` and
  // offering the toolkit name filter `filter`; nothing when cancelled.
  virtual std::optional<std::string> OpenPicture(const std::string& folder,
                                                 const std::string& filter, QWidget* parent) = 0;
  // Lets the user choose an existing file of another kind (a morph file).
  virtual std::optional<std::string> OpenFile(const std::string& folder, const std::string& filter,
                                              QWidget* parent) = 0;
  // Lets the user name a file to write, starting in `folder`: titled `title`,
  // offering the toolkit name filters `filter` (";;" between them, the first
  // chosen at first), the chosen filter's first extension added to a name
  // without one, asking before overwriting.
  virtual std::optional<SaveChoice> SaveFile(const std::string& folder, const std::string& filter,
                                             const std::string& title, QWidget* parent) = 0;

 protected:
  using PlatformService::PlatformService;
};

// Opens the picture open dialog with its preview (TOpenImageDialog).
class QtFileChoosers final : public FileChoosers {
 public:
  std::optional<std::string> OpenPicture(const std::string& folder, const std::string& filter,
                                         QWidget* parent) override;
  std::optional<std::string> OpenFile(const std::string& folder, const std::string& filter,
                                      QWidget* parent) override;
  std::optional<SaveChoice> SaveFile(const std::string& folder, const std::string& filter,
                                     const std::string& title, QWidget* parent) override;
};

class UnavailableFileChoosers final : public FileChoosers {
 public:
  explicit UnavailableFileChoosers(std::string why) : FileChoosers(std::move(why)) {}
  std::optional<std::string> OpenPicture(const std::string&, const std::string&,
                                         QWidget*) override {
    return std::nullopt;
  }
  std::optional<std::string> OpenFile(const std::string&, const std::string&, QWidget*) override {
    return std::nullopt;
  }
  std::optional<SaveChoice> SaveFile(const std::string&, const std::string&, const std::string&,
                                     QWidget*) override {
    return std::nullopt;
  }
};

// The real file choosers when the toolkit has a screen to show them on.
std::unique_ptr<FileChoosers> LoadFileChoosers(bool forceUnavailable);

}  // namespace quillo
