#include "Folders.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cctype>
#include <cstdlib>
#include <memory>

#include "DataFiles.h"

namespace quillo {

namespace {

bool Exists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

bool IsDirectory(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

// The entry of the folder whose name equals part regardless of case, the
// exact spelling first.
std::string MatchEntry(const std::string& folder, std::string_view part) {
  const std::string exact(part);
  if (Exists(folder + exact)) return exact;
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.empty() ? "." : folder.c_str()),
                                          ::closedir);
  if (!dir) return exact;
  while (const dirent* e = ::readdir(dir.get()))
    if (SameIgnoringCase(e->d_name, part)) return e->d_name;
  return exact;
}

}  // namespace

std::string WithTrailingSeparator(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string ChooseProgramFolder(const std::string& exeFolder) {
  const std::string beside = WithTrailingSeparator(exeFolder);
  if (IsDirectory(beside + MatchEntry(beside, kResourceFolder))) return beside;
  const std::string installed = beside + "../share/quillo/";
  if (IsDirectory(installed + MatchEntry(installed, kResourceFolder))) {
    char* real = ::realpath(installed.c_str(), nullptr);
    std::string folder = real ? WithTrailingSeparator(real) : installed;
    std::free(real);
    return folder;
  }
  return beside;
}

std::string ResolveIn(const std::string& folder, std::string_view literal) {
  std::string path = folder;
  std::size_t start = 0;
  while (start <= literal.size()) {
    std::size_t end = literal.find_first_of("\\/", start);
    if (end == std::string_view::npos) end = literal.size();
    const std::string_view part = literal.substr(start, end - start);
    if (!part.empty()) {
      path += MatchEntry(path, part);
      if (end < literal.size()) path += '/';
    }
    start = end + 1;
  }
  return path;
}

std::string DataFile(std::string_view literal) {
  return ResolveIn(ProgramFolder, literal);
}

}  // namespace quillo
