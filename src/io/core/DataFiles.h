#pragma once
// The names of the data files, spelled as the program looks them up: relative
// to the program folder, with backslashes, in the letter case given here.
// DataFile() and ResolveIn() (Folders.h) match every part of a name without
// regard to letter case; the generators write the files at GeneratedFilePath().
#include <array>
#include <string>
#include <string_view>

namespace quillo {

// The two data folders beside the program.
inline constexpr std::string_view kResourceFolder = "Resource";
inline constexpr std::string_view kClipartFolder = "Clipart";

// Pictures.
inline constexpr std::string_view kMainBitmapFile = "Resource\\main.bmp";  // main window's art
inline constexpr std::string_view kSkinSheetFile = "Resource\\resource.bmp";
inline constexpr std::string_view kStartPictureFile = "resource\\quillo.bmp";  // home screen
inline constexpr std::string_view kDefaultFaceFile = "Resource\\default.bmp";
inline constexpr std::string_view kWhiteFaceFile = "Resource\\white.bmp";  // blend screen's faces
inline constexpr std::string_view kBlackFaceFile = "Resource\\black.bmp";
inline constexpr std::string_view kThirdPictureFile = "Resource\\3rd.jpg";
inline constexpr std::string_view kFourthPictureFile = "Resource\\4th.jpg";

// The morph shown when Morphing starts.
inline constexpr std::string_view kStartMorphFile = "Resource\\morph.mph";

// Sounds and music.
inline constexpr std::string_view kStartSound = "Resource\\start.wav";
inline constexpr std::string_view kStartMusic = "Resource\\start.mid";
inline constexpr std::string_view kMove1Sound = "Resource\\move1.wav";
inline constexpr std::string_view kMove2Sound = "Resource\\move2.wav";
inline constexpr std::string_view kLeftSliderSound = "resource\\lslider.wav";
inline constexpr std::string_view kRightSliderSound = "resource\\rslider.wav";
inline constexpr std::string_view kOpenSound = "resource\\open.wav";
inline constexpr std::string_view kSaveSound = "resource\\save.wav";
inline constexpr std::string_view kExitSound = "resource\\exit.wav";
inline constexpr std::string_view kCancelSound = "Resource\\cancel.wav";

// The numbered files. Each function throws quillo::Error for a number outside
// its range, which only a fault of the caller can produce.
constexpr int kClickSounds = 9;
std::string ClickSound(int n);  // "resource\click<n>.wav", n = 1 to kClickSounds
constexpr int kRandomSounds = 9;
std::string RandomSound(int n);  // "resource\random<n>.wav", n = 1 to kRandomSounds
constexpr int kVideos = 4;
std::string VideoFile(int n);  // "Resource\video<n>.avi", n = 1 to kVideos
constexpr int kHelpPages = 5;
std::string HelpText(int page);  // "Resource\help<page>.txt", page = 0 to kHelpPages - 1

// The program's icon, painted at each size of the desktop's icon theme; the
// window shows it, and an install copies it into the theme (the same sizes
// are listed in desktop/CMakeLists.txt).
inline constexpr std::array<int, 7> kIconSizes = {16, 24, 32, 48, 64, 128, 256};
std::string IconFile(int size);  // "Resource\icon<size>.png", size one of kIconSizes

// Texts.
inline constexpr std::string_view kAboutText = "Resource\\about.txt";

// A file of the clip-art folder, which holds the clip-art morphs.
std::string ClipartFile(std::string_view name);

// Internet shortcuts, looked up in the current directory.
inline constexpr std::string_view kPlayShortcut = "play.url";
inline constexpr std::string_view kWebsiteShortcut = "website.url";
inline constexpr std::string_view kMoreGamesShortcut = "moregames.url";
inline constexpr std::string_view kTellAFriendShortcut = "tellafriend.url";
inline constexpr std::string_view kSubscribeShortcut = "subscribe.url";

// Where a generator writes the data file of that name below outFolder: with
// forward slashes and the folder spelled "Resource" or "Clipart" whatever the
// name's letter case, so that all files of a folder land in one folder.
// Throws quillo::Error for a name outside those two folders.
std::string GeneratedFilePath(std::string_view outFolder, std::string_view name);

}  // namespace quillo
