#include "CommandLine.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "Commands.h"

namespace quillo {

namespace {

constexpr const char* kMirrorUsage =
    "quillo mirror --kind horizontal|vertical|radial|squeeze [--strength S]\n"
    "                     [--center X,Y] [--quality bilinear|nearest] [--full-resolution]\n"
    "                     [VIDEO] INPUT OUTPUT\n";
constexpr const char* kWarpUsage =
    "quillo warp --stroke X,Y [X,Y ...] [--stroke ...] [--radius R] [--scale K]\n"
    "                   [--quality bilinear|nearest] [--full-resolution] [VIDEO] INPUT OUTPUT\n";
constexpr const char* kMorphUsage =
    "quillo morph --position P [--frame] [VIDEO] INPUT.mph OUTPUT\n";
constexpr const char* kLinesUsage = "quillo lines FACE1 FACE2 OUT.mph\n";

std::string Usage() {
  return std::string("Usage: quillo [FILE]\n") + "       " + kMirrorUsage + "       " + kWarpUsage +
         "       " + kMorphUsage + "       " + kLinesUsage +
         "       quillo mirror|warp|morph --codec list [--video OUT]\n"
         "       quillo mirror|warp|morph|lines --help\n"
         "       quillo --help | --version\n"
         "\n"
         "Without a sub-command Quillo starts the desktop program, with FILE as the face.\n"
         "\n";
}

constexpr const char* kOutput =
    "OUTPUT is written as a 24-bit BMP file, or as a PNG or JPEG file when its name\n"
    "ends in .png, .jpg or .jpeg.\n";

constexpr const char* kMirrorHelp =
    "mirror  shows the picture INPUT through a fun-house mirror and writes the\n"
    "        320 x 320 frame to OUTPUT.\n"
    "          --kind K       horizontal, vertical, radial or squeeze\n"
    "          --strength S   mirror strength from -1.0 to 1.0 (default 0.5)\n"
    "          --center X,Y   the mirror's centre in the frame (default 160,160)\n"
    "          --quality Q    bilinear (default) or nearest\n"
    "          --full-resolution\n"
    "                         OUTPUT at INPUT's own size: the same mirror, mapped\n"
    "                         onto the whole picture (bilinear)\n";

constexpr const char* kWarpHelp =
    "warp    smears the picture INPUT like wet paint, one mouse stroke after the\n"
    "        other, and writes the 320 x 320 frame to OUTPUT.\n"
    "          --stroke X,Y [X,Y ...]\n"
    "                         one stroke: pressed at the first point, moved to\n"
    "                         each further point, then released; --stroke again\n"
    "                         for the next one. Points may lie outside the picture.\n"
    "          --radius R     the brush radius from 1 to 320 (default 45)\n"
    "          --scale K      how much of the smear is shown, 0.0 to 1.0 (default 1.0)\n"
    "          --quality Q    bilinear (default) or nearest\n"
    "          --full-resolution\n"
    "                         OUTPUT at INPUT's own size: the same smear, mapped\n"
    "                         onto the whole picture (bilinear)\n";

constexpr const char* kMorphHelp =
    "morph   renders position P (0 to 100) of the morph file INPUT.mph and writes\n"
    "        the 290 x 290 picture, or with --frame the 145 x 145 frame itself,\n"
    "        to OUTPUT.\n";

constexpr const char* kVideoHelp =
    "\n"
    "VIDEO   --video OUT [--codec NAME] also writes the effect growing from nothing\n"
    "        to full and back (52 frames, 15 frames per second): an AVI file, or\n"
    "        for a name ending in .mp4 an MP4 (H.264), .webm a WebM (VP9) and .gif\n"
    "        an animated GIF that loops for ever. NAME is an FFmpeg encoder the\n"
    "        file can hold (default mjpeg, libx264, libvpx-vp9, gif); OUTPUT and\n"
    "        --position may then be left out. --codec list prints the encoders\n"
    "        this machine can use for OUT (an AVI without --video).\n"
    "\n"
    "Exit status: 0 on success, 2 on bad input (explained on standard error).\n"
    "OUTPUT and OUT are replaced only when the whole run has succeeded.\n";

constexpr const char* kLinesHelp =
    "lines   fits the pictures FACE1 and FACE2 into 145 x 145 as the Load buttons\n"
    "        do, finds the face in each (a human's or a cat's), places matching\n"
    "        control lines on the eyes, brows, nose, mouth, chin, cheeks and hair\n"
    "        (or ears), and writes the morph file OUT.mph. It needs OpenCV's face\n"
    "        detection; a picture without a face is refused and nothing is written.\n"
    "        On the Morphing screen, Ctrl+L places the same lines.\n";

constexpr const char* kLinesExit =
    "\n"
    "Exit status: 0 on success, 2 on bad input or when a face is not found\n"
    "(explained on standard error). OUT.mph is replaced only when the whole run\n"
    "has succeeded.\n";

std::string FullHelp() {
  return Usage() + kOutput + "\n" + kMirrorHelp + kWarpHelp + kMorphHelp + kLinesHelp + kVideoHelp;
}

// One sub-command's usage and its part of the help.
std::string CommandHelp(const char* usage, const char* section) {
  if (section == kLinesHelp) return std::string("Usage: ") + usage + "\n" + section + kLinesExit;
  return std::string("Usage: ") + usage + "\n" + section + "\n" + kOutput + kVideoHelp;
}

bool AsksForHelp(int argc, char** argv) {
  for (int i = 2; i < argc; ++i)
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return true;
  return false;
}

// Whether the desktop program has a display: Qt's platform plugin aborts the
// program without one, so the lack is told here in one line instead.
bool HasDisplay() {
  const auto set = [](const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
  };
  return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

}  // namespace

Launch RunCommandLine(int argc, char** argv) {
  if (argc < 2) {
    if (HasDisplay()) return {};
    std::fputs("quillo: no display to show the window on (DISPLAY is not set)\n", stderr);
    return {kExitBadInput, {}};
  }
  const char* first = argv[1];
  if (std::strcmp(first, "--help") == 0 || std::strcmp(first, "-h") == 0) {
    std::fputs(FullHelp().c_str(), stdout);
    return {0, {}};
  }
  if (std::strcmp(first, "--version") == 0) {
    std::printf("Quillo %s\n", QUILLO_VERSION);
    return {0, {}};
  }
  using Command = int (*)(const QStringList&);
  struct SubCommand {
    const char* name;
    Command run;
    const char* usage;
    const char* help;
  };
  for (const SubCommand& sub : {SubCommand{"mirror", RunMirrorCommand, kMirrorUsage, kMirrorHelp},
                                SubCommand{"warp", RunWarpCommand, kWarpUsage, kWarpHelp},
                                SubCommand{"morph", RunMorphCommand, kMorphUsage, kMorphHelp},
                                SubCommand{"lines", RunLinesCommand, kLinesUsage, kLinesHelp}}) {
    if (std::strcmp(first, sub.name) != 0) continue;
    if (AsksForHelp(argc, argv)) {
      std::fputs(CommandHelp(sub.usage, sub.help).c_str(), stdout);
      return {0, {}};
    }
    // Picture readers need the application object, but no display.
    QCoreApplication app(argc, argv);
    // Decoders' warnings about harmless quirks would break the one-line rule.
    QLoggingCategory::setFilterRules("qt.gui.imageio=false");
    QStringList args;
    for (int i = 2; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    return {sub.run(args), {}};
  }
  if (first[0] == '-' || argc > 2) {
    std::fprintf(stderr, "quillo: unknown arguments; see quillo --help\n");
    return {kExitBadInput, {}};
  }
  if (!HasDisplay()) {
    std::fprintf(stderr, "quillo: no display to show %s on (DISPLAY is not set)\n", first);
    return {kExitBadInput, {}};
  }
  return {std::nullopt, first};
}

}  // namespace quillo
