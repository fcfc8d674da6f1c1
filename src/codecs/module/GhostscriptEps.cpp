// Drawing EPS files with Ghostscript into PPM pictures. Ghostscript runs with
// -dSAFER in a child process of its own, one at a time, so that a PostScript
// program that never ends (or crashes the interpreter) costs a refusal after
// the time limit, not the program.
#include <ghostscript/gserrors.h>
#include <ghostscript/iapi.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <mutex>

#include "CodecFunctions.h"
#include "base/ChildProcess.h"
#include "base/Error.h"
#include "base/PictureRefusal.h"

namespace quillo::codecs {

namespace {

// One Ghostscript at a time: the library allows one instance per process, and
// one child drawing at a time keeps the machine usable.
std::mutex ghostscriptLock;

[[noreturn]] void Refuse(const std::string& name, const std::string& reason) {
  throw Error(PictureRefusal(name, reason));
}

// A folder of the user's own (mode 0700) in the temporary folder, removed
// with what it holds.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    std::error_code error;
    std::string pattern = (std::filesystem::temp_directory_path(error) / "quillo-XXXXXX").string();
    if (!error && ::mkdtemp(pattern.data())) path_ = pattern;
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  bool IsValid() const { return !path_.empty(); }
  std::string FilePath(const char* name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

bool WriteFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

// What Ghostscript writes, kept instead of shown.
int NoInput(void*, char*, int) {
  return 0;
}
int Keep(void* handle, const char* text, int length) {
  std::string& kept = *static_cast<std::string*>(handle);
  if (kept.size() < 4096) kept.append(text, static_cast<std::size_t>(length));
  return length;
}

// What Ghostscript's first error means to a person: a PostScript program cut
// short or garbled stops with a syntax error; any other error is the
// program's own.
std::string ErrorIn(const std::string& said) {
  const std::size_t start = said.find("Error: ");
  if (start == std::string::npos) return "Ghostscript could not draw it";
  const std::string line = said.substr(start + 7, said.find('\n', start) - start - 7);
  if (line.starts_with("/syntaxerror") || line.starts_with("/ioerror"))
    return std::string(kDamagedPicture);
  return "its PostScript program stops with an error";
}

struct InstanceDeleter {
  void operator()(void* instance) const {
    gsapi_exit(instance);
    gsapi_delete_instance(instance);
  }
};

// Runs in the child process: draws input into output and writes what
// Ghostscript said into messages when it fails. Never returns.
[[noreturn]] void DrawInChild(const std::string& input, const std::string& output,
                              const std::string& messages, std::chrono::milliseconds timeLimit) {
  const rlim_t seconds = static_cast<rlim_t>(timeLimit.count() / 1000 + 1);
  const rlimit cpu{seconds, seconds};
  setrlimit(RLIMIT_CPU, &cpu);
  std::string said;
  int code = -1;
  void* raw = nullptr;
  if (gsapi_new_instance(&raw, nullptr) >= 0) {
    const std::unique_ptr<void, InstanceDeleter> instance(raw);
    gsapi_set_stdio_with_handle(raw, NoInput, Keep, Keep, &said);
    gsapi_set_arg_encoding(raw, GS_ARG_ENCODING_UTF8);
    const std::string outputArg = "-sOutputFile=" + output;
    // EPS files need not call showpage: the page is shown after the file
    // when the file showed none.
    const char* args[] = {"gs",
                          "-dSAFER",
                          "-dBATCH",
                          "-dNOPAUSE",
                          "-dQUIET",
                          "-dEPSCrop",
                          "-sDEVICE=ppmraw",
                          "-r72",
                          outputArg.c_str(),
                          "-f",
                          input.c_str(),
                          "-c",
                          "currentpagedevice /PageCount get 0 eq { showpage } if"};
    code = gsapi_init_with_args(raw, static_cast<int>(std::size(args)), const_cast<char**>(args));
  }
  if (code < 0 && code != gs_error_Quit) {
    std::ofstream(messages) << ErrorIn(said);
    _exit(1);
  }
  _exit(0);
}

// 0 drawn, 1 failed with a message, 2 timed out, 3 ended otherwise.
int Outcome(const ChildEnding& ending) {
  if (ending.timedOut || ending.signal == SIGXCPU) return 2;
  if (ending.exitCode == 0 || ending.exitCode == 1) return ending.exitCode;
  return 3;
}

}  // namespace

std::vector<std::uint8_t> DrawEpsWithGhostscript(std::span<const std::uint8_t> bytes,
                                                 const std::string& name,
                                                 std::chrono::milliseconds timeLimit) {
  const std::lock_guard lock(ghostscriptLock);
  const TemporaryFolder folder;
  if (!folder.IsValid()) Refuse(name, "no temporary folder could be created");
  const std::string input = folder.FilePath("picture.eps");
  const std::string output = folder.FilePath("picture.ppm");
  const std::string messages = folder.FilePath("messages.txt");
  if (!WriteFile(input, bytes)) Refuse(name, "no temporary copy could be written");

  const pid_t child = fork();
  if (child < 0) Refuse(name, "Ghostscript could not be started");
  if (child == 0) DrawInChild(input, output, messages, timeLimit);
  switch (Outcome(AwaitChild(child, timeLimit))) {
    case 0:
      break;
    case 1: {
      std::ifstream in(messages);
      std::string said;
      std::getline(in, said);
      Refuse(name, said.empty() ? "Ghostscript could not draw it" : said);
    }
    case 2:
      Refuse(name, "Ghostscript took too long to draw it");
    default:
      Refuse(name, "Ghostscript stopped while drawing it");
  }
  std::ifstream drawn(output, std::ios::binary);
  if (!drawn) Refuse(name, "Ghostscript drew no picture");
  return {std::istreambuf_iterator<char>(drawn), std::istreambuf_iterator<char>()};
}

}  // namespace quillo::codecs
