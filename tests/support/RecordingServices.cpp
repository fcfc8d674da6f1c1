#include "RecordingServices.h"

namespace quillo::testing {

namespace {

template <class T>
T& Install(auto& slot) {
  auto made = std::make_unique<T>();
  T& ref = *made;
  slot = std::move(made);
  return ref;
}

}  // namespace

RecordingServices::RecordingServices()
    : messages(Install<RecordingMessageBoxes>(services.messages)),
      shell(Install<RecordingShell>(services.shell)),
      sound(Install<RecordingSoundPlayer>(services.sound)),
      files(Install<ScriptedFileChoosers>(services.files)),
      printers(Install<ScriptedPrinters>(services.printers)),
      codecs(Install<ScriptedVideoCodecChooser>(services.codecs)),
      scanner(Install<ScriptedScanner>(services.scanner)),
      clipboard(Install<RecordingClipboard>(services.clipboard)) {
  // The real detector where this machine has it: it only reads pictures.
  services.faces = LoadFaceFinder(false);
}

}  // namespace quillo::testing
