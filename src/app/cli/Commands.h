#pragma once
// The command-line renderers: `quillo mirror ...`, `quillo warp ...` and
// `quillo morph ...` run without a display and write a picture file;
// `quillo lines ...` writes a morph file with automatic lines. Each
// returns the process's exit code: 0 on success, 2 for bad input (after one
// line on stderr).
#include <QStringList>
#include <string>

#include "app/core/Arguments.h"

namespace quillo {

constexpr int kExitBadInput = 2;

// Checks the positional words: INPUT and OUTPUT, or with a video INPUT and
// optionally OUTPUT. Throws quillo::Error naming the command otherwise.
void CheckOutputs(const Arguments& parsed, bool video, const std::string& command,
                  const std::string& input = "INPUT");

// args: the words after the sub-command's name.
int RunMirrorCommand(const QStringList& args);
int RunWarpCommand(const QStringList& args);
int RunMorphCommand(const QStringList& args);
int RunLinesCommand(const QStringList& args);

}  // namespace quillo
