#include "support/RunningWindows.h"

#include <QCoreApplication>

#include "app/QuilloApplication.h"
#include "io/core/Folders.h"
#include "support/TestFolder.h"

namespace quillo::testing {

namespace {

QuilloApplication* App() {
  return static_cast<QuilloApplication*>(qApp);
}

}  // namespace

RunningWindows::RunningWindows(const DataFolder& data, const std::string& startFolder) {
  ProgramFolder = data.Path();
  StartFolder = startFolder;
  App()->SetErrorBoxes(&recorded.messages);
  windows = std::make_unique<QuilloWindows>(recorded.services);
  windows->JumpForm->show();
  QCoreApplication::processEvents();
}

RunningWindows::~RunningWindows() {
  windows.reset();
  App()->SetErrorBoxes(nullptr);
  ProgramFolder.clear();
  StartFolder.clear();
}

}  // namespace quillo::testing
