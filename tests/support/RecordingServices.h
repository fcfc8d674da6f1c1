#pragma once
// Recording doubles of the platform services: they do nothing but remember
// what they were asked, so that tests can drive every screen and check what
// a person would have seen or heard.
#include <QList>
#include <QPrinter>
#include <QStringList>
#include <QUrl>
#include <memory>
#include <optional>
#include <string>
#include <utility>
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
// (a path, or nothing for a cancelled chooser) and remembers what was asked.
class ScriptedFileChoosers final : public FileChoosers {
 public:
  enum class Kind { Picture, File, Save };
  struct Call {
    std::string folder;
    std::string filter;
    Kind kind = Kind::Picture;
    std::string title;  // Save only
  };
  std::optional<std::string> OpenPicture(const std::string& folder, const std::string& filter,
                                         QWidget*) override {
    return Answer({folder, filter, Kind::Picture, {}});
  }
  std::optional<std::string> OpenFile(const std::string& folder, const std::string& filter,
                                      QWidget*) override {
    return Answer({folder, filter, Kind::File, {}});
  }
  std::optional<SaveChoice> SaveFile(const std::string& folder, const std::string& filter,
                                     const std::string& title, QWidget*) override {
    const std::optional<std::string> path = Answer({folder, filter, Kind::Save, title});
    if (!path) return std::nullopt;
    return SaveChoice{*path, saveFilter};
  }
  std::vector<std::optional<std::string>> answers;
  int saveFilter = 0;  // the filter every save answer was chosen with
  std::vector<Call> calls;

 private:
  std::optional<std::string> Answer(Call call) {
    calls.push_back(std::move(call));
    if (answers.empty()) return std::nullopt;
    std::optional<std::string> answer = std::move(answers.front());
    answers.erase(answers.begin());
    return answer;
  }
};

// A printer chooser that answers from a script: each call takes the next
// answer (a PDF file to print into, or nothing for a cancelled dialog).
class ScriptedPrinters final : public Printers {
 public:
  std::unique_ptr<QPrinter> ChoosePrinter(QWidget*) override {
    ++calls;
    if (answers.empty()) return nullptr;
    const std::optional<std::string> answer = std::move(answers.front());
    answers.erase(answers.begin());
    if (!answer) return nullptr;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(*answer));
    return printer;
  }
  std::vector<std::optional<std::string>> answers;
  int calls = 0;
};

// A codec chooser that gives its answer (nothing: cancelled) and remembers the
// frame sizes it was asked about.
class ScriptedVideoCodecChooser final : public VideoCodecChooser {
 public:
  std::optional<VideoCodec> ChooseCodec(VideoContainer container, int width, int height,
                                        QWidget*) override {
    sizes.emplace_back(width, height);
    containers.push_back(container);
    return answer;
  }
  std::optional<VideoCodec> answer = VideoCodec{};
  std::vector<std::pair<int, int>> sizes;
  std::vector<VideoContainer> containers;
};

// A scanner that answers from a script: each acquisition takes the next
// answer (a packed bitmap; an empty one for a closed or failed scan).
class ScriptedScanner final : public Scanner {
 public:
  std::optional<std::vector<std::uint8_t>> AcquireScannedDib(QWidget* window, unsigned) override {
    windows.push_back(window);
    if (answers.empty()) return std::nullopt;
    std::vector<std::uint8_t> answer = std::move(answers.front());
    answers.erase(answers.begin());
    if (answer.empty()) return std::nullopt;
    return answer;
  }
  std::vector<std::vector<std::uint8_t>> answers;
  std::vector<QWidget*> windows;
};

// A clipboard of the test's own, holding what the test or the program put
// there; copies counts the pictures put on it.
class RecordingClipboard final : public Clipboard {
 public:
  bool HasPicture() const override { return picture.has_value(); }
  std::optional<Bitmap> Picture() const override { return picture; }
  void SetPicture(const Bitmap& p) override {
    picture = p;
    ++copies;
  }
  std::optional<Bitmap> picture;
  int copies = 0;
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
  ScriptedPrinters& printers;
  ScriptedVideoCodecChooser& codecs;
  ScriptedScanner& scanner;
  RecordingClipboard& clipboard;
};

}  // namespace quillo::testing
