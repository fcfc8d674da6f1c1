#pragma once
// Recording doubles of the platform services: they do nothing but remember
// what they were asked, so that tests can drive every screen and check what
// a person would have seen or heard.
#include <QList>
#include <QStringList>
#include <QUrl>
#include <optional>
#include <string>
#include <vector>

#include "app/Services.h"

namespace quillo::testing {

class RecordingMessageBoxes final : public MessageBoxes {
 public:
  void ShowError(const QString& text) override { errors << text; }
  QStringList errors;
};

class RecordingShell final : public Shell {
 public:
  void Open(const QUrl& url) override { opened << url; }
  QList<QUrl> opened;
};

class RecordingSoundPlayer final : public SoundPlayer {
 public:
  void PlayCue(const std::string& path) override { played.push_back(path); }
  void PlayMusic(const std::string& path) override { music.push_back(path); }
  std::vector<std::string> played;
  std::vector<std::string> music;
};

// A file chooser that answers from a script: each call takes the next answer
// (a path, or nothing for a cancelled chooser) and remembers where it started.
class ScriptedFileChoosers final : public FileChoosers {
 public:
  struct Call {
    std::string folder;
    std::string filter;
  };
  std::optional<std::string> OpenPicture(const std::string& folder, const std::string& filter,
                                         QWidget*) override {
    calls.push_back({folder, filter});
    if (answers.empty()) return std::nullopt;
    std::optional<std::string> answer = std::move(answers.front());
    answers.erase(answers.begin());
    return answer;
  }
  std::vector<std::optional<std::string>> answers;
  std::vector<Call> calls;
};

// A set of services made of recording doubles, with typed access to them.
struct RecordingServices {
  RecordingServices();
  RecordingServices(const RecordingServices&) = delete;
  RecordingServices& operator=(const RecordingServices&) = delete;

  Services services;
  RecordingMessageBoxes& messages;
  RecordingShell& shell;
  RecordingSoundPlayer& sound;
  ScriptedFileChoosers& files;
};

}  // namespace quillo::testing
