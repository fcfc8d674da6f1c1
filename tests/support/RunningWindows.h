#pragma once
// The program's windows started as at start-up, over a test data folder and
// with recording services; errors shown go to the recorded message boxes.
// The main window is shown and the first show has run. Everything is undone
// when the object goes.
#include <QStringList>
#include <memory>
#include <string>

#include "app/QuilloWindows.h"
#include "support/RecordingServices.h"

namespace quillo::testing {

class DataFolder;

class RunningWindows {
 public:
  // startFolder empty: the program's own choice of the start folder.
  explicit RunningWindows(const DataFolder& data, const std::string& startFolder = {});
  ~RunningWindows();
  RunningWindows(const RunningWindows&) = delete;
  RunningWindows& operator=(const RunningWindows&) = delete;

  TJumpForm& Form() { return *windows->JumpForm; }
  QStringList Errors() const { return recorded.messages.errors; }

  RecordingServices recorded;
  std::unique_ptr<QuilloWindows> windows;
};

}  // namespace quillo::testing
