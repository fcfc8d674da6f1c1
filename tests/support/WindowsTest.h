#pragma once
// The fixture of the tests that drive the program's windows: a test data
// folder, a scratch folder for the files a test writes, and the windows
// started over them with recording services (support/RunningWindows.h).
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <set>
#include <string>

#include "app/QuilloWindows.h"
#include "support/RecordingServices.h"
#include "support/RunningWindows.h"
#include "support/TestFolder.h"

namespace quillo::testing {

class WindowsTest : public ::testing::Test {
 protected:
  // Where the file dialogs start: the program's own choice, or the scratch
  // folder files_.
  enum class StartIn { ProgramChoice, Files };

  explicit WindowsTest(StartIn start = StartIn::ProgramChoice,
                       const std::set<std::string>& omit = {})
      : data_(omit),
        running_(data_, start == StartIn::Files ? files_.path().toStdString() + "/" : "") {}

  TJumpForm& Form() { return running_.Form(); }
  QStringList Errors() const { return running_.Errors(); }
  // A file in the scratch folder.
  std::string InFiles(const QString& name) const { return files_.filePath(name).toStdString(); }

  DataFolder data_;
  QTemporaryDir files_;
  RunningWindows running_;
  RecordingServices& recorded_ = running_.recorded;
  std::unique_ptr<QuilloWindows>& windows_ = running_.windows;
};

}  // namespace quillo::testing
