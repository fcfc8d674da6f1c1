// Quillo: a desktop toy for playing with portraits.
#include <exception>

#include "QuilloApplication.h"
#include "QuilloWindows.h"
#include "Services.h"
#include "cli/CommandLine.h"
#include "io/PictureFile.h"

int main(int argc, char** argv) {
  const quillo::Launch launch = quillo::RunCommandLine(argc, argv);
  if (launch.exitCode) return *launch.exitCode;

  quillo::QuilloApplication app(argc, argv);
  quillo::Services services = quillo::Services::Create();
  app.SetErrorBoxes(services.messages.get());
  try {
    quillo::QuilloWindows windows(services);
    windows.JumpForm->show();
    if (!launch.faceFile.empty()) {
      try {
        windows.WarpWindow->SetFacePicture(quillo::LoadPictureFile(launch.faceFile));
      } catch (const std::exception& e) {
        app.ShowError(QString::fromUtf8(e.what()));
      }
    }
    return app.exec();
  } catch (const std::exception& e) {
    app.ShowError(QString::fromUtf8(e.what()));
  }
  return 0;
}
