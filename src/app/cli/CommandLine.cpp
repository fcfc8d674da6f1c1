#include "CommandLine.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QStringList>
#include <cstdio>
#include <cstring>

#include "Commands.h"

namespace quillo {

namespace {

constexpr const char* kHelp =
    "Usage: quillo [FILE]\n"
    "       quillo mirror --kind horizontal|vertical|radial|squeeze [--strength S]\n"
    "                     [--center X,Y] [--quality bilinear|nearest] [VIDEO] INPUT OUTPUT\n"
    "       quillo warp --stroke X,Y [X,Y ...] [--stroke ...] [--radius R] [--scale K]\n"
    "                   [--quality bilinear|nearest] [VIDEO] INPUT OUTPUT\n"
    "       quillo morph --position P [--frame] [VIDEO] INPUT.mph OUTPUT\n"
    "       quillo mirror|warp|morph --codec list\n"
    "       quillo --help | --version\n"
    "\n"
    "Without a sub-command Quillo starts the desktop program, with FILE as the face.\n"
    "\n"
    "mirror  shows the picture INPUT through a fun-house mirror and writes the\n"
    "        320 x 320 frame to OUTPUT as a 24-bit BMP file.\n"
    "          --kind K       horizontal, vertical, radial or squeeze\n"
    "          --strength S   mirror strength from -1.0 to 1.0 (default 0.5)\n"
    "          --center X,Y   the mirror's centre in the frame (default 160,160)\n"
    "          --quality Q    bilinear (default) or nearest\n"
    "warp    smears the picture INPUT like wet paint, one mouse stroke after the\n"
    "        other, and writes the 320 x 320 frame to OUTPUT as a 24-bit BMP file.\n"
    "          --stroke X,Y [X,Y ...]\n"
    "                         one stroke: pressed at the first point, moved to\n"
    "                         each further point, then released; --stroke again\n"
    "                         for the next one. Points may lie outside the picture.\n"
    "          --radius R     the brush radius from 1 to 320 (default 45)\n"
    "          --scale K      how much of the smear is shown, 0.0 to 1.0 (default 1.0)\n"
    "          --quality Q    bilinear (default) or nearest\n"
    "morph   renders position P (0 to 100) of the morph file INPUT.mph and writes\n"
    "        the 290 x 290 picture, or with --frame the 145 x 145 frame itself,\n"
    "        to OUTPUT as a 24-bit BMP file.\n"
    "\n"
    "VIDEO   --video OUT.avi [--codec NAME] also writes the effect growing from\n"
    "        nothing to full and back (52 frames, 15 frames per second) as an AVI\n"
    "        file, compressed with NAME (default mjpeg); OUTPUT and --position may\n"
    "        then be left out. --codec list prints the codecs this machine can use.\n"
    "\n"
    "Exit status: 0 on success, 2 on bad input (explained on standard error).\n"
    "OUTPUT and OUT.avi are replaced only when the whole file has been written.\n";

}  // namespace

Launch RunCommandLine(int argc, char** argv) {
  if (argc < 2) return {};
  const char* first = argv[1];
  if (std::strcmp(first, "--help") == 0 || std::strcmp(first, "-h") == 0) {
    std::fputs(kHelp, stdout);
    return {0, {}};
  }
  if (std::strcmp(first, "--version") == 0) {
    std::printf("Quillo %s\n", QUILLO_VERSION);
    return {0, {}};
  }
  using Command = int (*)(const QStringList&);
  Command command = nullptr;
  if (std::strcmp(first, "mirror") == 0) command = RunMirrorCommand;
  if (std::strcmp(first, "warp") == 0) command = RunWarpCommand;
  if (std::strcmp(first, "morph") == 0) command = RunMorphCommand;
  if (command) {
    // Picture readers need the application object, but no display.
    QCoreApplication app(argc, argv);
    // Decoders' warnings about harmless quirks would break the one-line rule.
    QLoggingCategory::setFilterRules("qt.gui.imageio=false");
    QStringList args;
    for (int i = 2; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    return {command(args), {}};
  }
  if (first[0] == '-' || argc > 2) {
    std::fprintf(stderr, "quillo: unknown arguments; see quillo --help\n");
    return {kExitBadInput, {}};
  }
  return {std::nullopt, first};
}

}  // namespace quillo
