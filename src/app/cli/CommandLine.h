#pragma once
// What the command line asks for: a headless sub-command, help or version
// (run here, without a display), or the desktop program.
#include <optional>
#include <string>

namespace quillo {

struct Launch {
  std::optional<int> exitCode;  // set when the command line was handled here
  std::string faceFile;         // the desktop program's first face, if given
};

Launch RunCommandLine(int argc, char** argv);

}  // namespace quillo
