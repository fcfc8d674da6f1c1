#include "EpsReader.h"

#include <ghostscript/gserrors.h>
#include <ghostscript/iapi.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <cerrno>
#include <fstream>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "base/Error.h"
#include "base/FileBytes.h"
#include "core/EpsBoundingBox.h"
#include "core/PpmReader.h"

namespace quillo {

namespace {

// One Ghostscript at a time: the library allows one instance per process, and
// one child drawing at a time keeps the machine usable.
std::mutex ghostscriptLock;

[[noreturn]] void Refuse(const std::string& name, const std::string& reason) {
  throw Error("Cannot read picture " + name + ": " + reason + ".");
}

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

// The first error Ghostscript reported ("Error: /undefined in foo" becomes
// "PostScript error /undefined in foo"), or a plain sentence.
std::string ErrorIn(const std::string& said) {
  const std::size_t start = said.find("Error: ");
  if (start == std::string::npos) return "Ghostscript could not draw it";
  std::string line = said.substr(start + 7, said.find('\n', start) - start - 7);
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
  return "PostScript error " + line;
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
    const char* args[] = {"gs",         "-dSAFER",         "-dBATCH", "-dNOPAUSE",       "-dQUIET",
                          "-dEPSCrop",  "-sDEVICE=ppmraw", "-r72",    outputArg.c_str(), "-f",
                          input.c_str()};
    code = gsapi_init_with_args(raw, static_cast<int>(std::size(args)), const_cast<char**>(args));
  }
  if (code < 0 && code != gs_error_Quit) {
    std::ofstream(messages) << ErrorIn(said);
    _exit(1);
  }
  _exit(0);
}

// Waits for the child until the time limit; kills it beyond. The outcome:
// 0 drawn, 1 failed with a message, 2 timed out, 3 ended otherwise.
int AwaitChild(pid_t child, std::chrono::milliseconds timeLimit) {
  const auto deadline = std::chrono::steady_clock::now() + timeLimit;
  int status = 0;
  for (;;) {
    const pid_t done = waitpid(child, &status, WNOHANG);
    if (done == child) break;
    if (done < 0 && errno != EINTR) return 3;
    if (std::chrono::steady_clock::now() >= deadline) {
      kill(child, SIGKILL);
      while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
      }
      return 2;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) <= 1) return WEXITSTATUS(status);
  if (WIFSIGNALED(status) && WTERMSIG(status) == SIGXCPU) return 2;
  return 3;
}

}  // namespace

Bitmap ReadEps(std::span<const std::uint8_t> bytes, const std::string& name,
               std::chrono::milliseconds timeLimit) {
  const auto box = FindEpsBoundingBox(bytes);
  if (!box) Refuse(name, "the EPS file has no bounding box");
  const std::int64_t width = EpsPixelsAcross(*box), height = EpsPixelsDown(*box);
  if (width == 0 || height == 0) Refuse(name, "the EPS bounding box is empty");
  if (!IsAcceptableSize(width, height)) throw Error("Picture too large: " + name);

  const std::lock_guard lock(ghostscriptLock);
  const QTemporaryDir folder;  // private to the user, removed with what it holds
  if (!folder.isValid()) Refuse(name, "no temporary folder could be created");
  const std::string input = folder.filePath("picture.eps").toStdString();
  const std::string output = folder.filePath("picture.ppm").toStdString();
  const std::string messages = folder.filePath("messages.txt").toStdString();
  if (!WriteFile(input, bytes)) Refuse(name, "no temporary copy could be written");

  const pid_t child = fork();
  if (child < 0) Refuse(name, "Ghostscript could not be started");
  if (child == 0) DrawInChild(input, output, messages, timeLimit);
  switch (AwaitChild(child, timeLimit)) {
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
  std::vector<std::uint8_t> drawn;
  try {
    drawn = ReadFileBytes(output);
  } catch (const Error&) {
    Refuse(name, "Ghostscript drew no picture");
  }
  try {
    return DecodePpm(drawn);
  } catch (const Error& e) {
    Refuse(name, e.what());
  }
}

}  // namespace quillo
