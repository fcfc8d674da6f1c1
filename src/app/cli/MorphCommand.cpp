// `quillo morph`: one position of a morph file, rendered as the morph screen
// shows it after the slider has moved there, and written as a picture file.
#include <cstdio>

#include "Commands.h"
#include "VideoOutput.h"
#include "app/core/Arguments.h"
#include "base/Error.h"
#include "effects/core/MorphDisplay.h"
#include "effects/core/MorphFile.h"

namespace quillo {

int RunMorphCommand(const QStringList& args) {
  try {
    std::vector<std::string> words;
    for (const QString& a : args) words.push_back(a.toStdString());
    const Arguments parsed = ParseArguments(words, {"position", "video", "codec"}, {"frame"});
    if (ListCodecsIfAsked(parsed, kDisplaySize, kDisplaySize)) return 0;
    const std::optional<VideoRequest> video = VideoRequestOf(parsed, kDisplaySize, kDisplaySize);
    CheckOutputs(parsed, video.has_value(), "morph", "INPUT.mph");
    const auto position = parsed.Option("position");
    const bool picture = parsed.positional.size() == 2;
    if (picture && !position) throw Error("morph needs --position");
    const int value = position ? ParseInteger(*position, "position") : 0;
    if (value < 0 || value > kSliderMax) throw Error("position must lie between 0 and 100");

    const std::string& input = parsed.positional[0];
    MorphModel morph;
    try {
      morph = ReadMorphFile(input);
    } catch (const Error& e) {
      // The file's own messages do not all name it.
      const std::string message = e.what();
      throw Error(message.find(input) == std::string::npos ? input + ": " + message : message);
    }
    Bitmap display(kDisplaySize, kDisplaySize);
    std::optional<PictureOutput> output;
    if (picture) {
      ShowMorphFrame(morph, value, kSliderMax, display);
      output.emplace(parsed.positional[1],
                     parsed.flags.count("frame") ? morph.FrameBitmap() : display);
    }
    if (video) {
      // The display picture at each position, as the slider would show it.
      WriteEffectVideo(video->path, kDisplaySize, kDisplaySize, video->codec,
                       [&](int at) -> const Bitmap& {
                         ShowMorphFrame(morph, at, kSliderMax, display);
                         return display;
                       });
    }
    if (output) output->Commit();
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "quillo morph: %s\n", e.what());
    return kExitBadInput;
  }
}

}  // namespace quillo
