// Quillo: a desktop toy for playing with portraits.
#include <exception>

#include "QuilloApplication.h"
#include "QuilloWindows.h"
#include "Services.h"
#include "base/Handler.h"
#include "cli/CommandLine.h"
#include "io/PictureFile.h"

int main(int argc, char** argv) {
  const quillo::Launch launch = quillo::RunCommandLine(argc, argv);
  if (launch.exitCode) return *launch.exitCode;

  quillo::QuilloApplication app(argc, argv);
  quillo::Services services = quillo::Services::Load();
  app.SetErrorBoxes(services.messages.get());
  try {
    quillo::QuilloWindows windows(services);
    windows.JumpForm->show();
    if (!launch.faceFile.empty()) {
      quillo::RunHandler(
          [&] { windows.WarpWindow->SetFacePicture(quillo::LoadPictureFile(launch.faceFile)); });
    }
    const int code = app.exec();
    app.SetErrorBoxes(nullptr);
    return code;
  } catch (const std::exception& e) {
    // The program could not start at all: say why and fail.
    app.ShowError(QString::fromUtf8(e.what()));
    app.SetErrorBoxes(nullptr);
    return 1;
  }
}
