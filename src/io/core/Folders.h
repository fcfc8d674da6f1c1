#pragma once
// The program's two folders and the data folder beside the program.
// Folders are written with forward slashes and always end in "/".
#include <string>
#include <string_view>

namespace quillo {

// The folder holding the data folders "Resource" and "Clipart": the
// executable's folder, or ../share/quillo/ beside it for an installed program.
// Empty until the main window is created.
inline std::string ProgramFolder;
// The current directory at start: initial folder of the file choosers.
inline std::string StartFolder;

// The folder with a trailing "/" unless it already ends in one.
std::string WithTrailingSeparator(std::string folder);

// The program folder for an executable in exeFolder: exeFolder itself when a
// "Resource" folder (any letter case) lies beside the executable, otherwise
// exeFolder + "../share/quillo/" when that holds one, otherwise exeFolder.
std::string ChooseProgramFolder(const std::string& exeFolder);

// A file below a folder, named by a relative literal such as
// "Resource\main.bmp" (backslashes or slashes). Each part of the name is
// matched without regard to letter case; parts that match nothing are kept as
// spelled, so that the error names the file that was looked for.
std::string ResolveIn(const std::string& folder, std::string_view literal);

// ResolveIn(ProgramFolder, literal).
std::string DataFile(std::string_view literal);

}  // namespace quillo
