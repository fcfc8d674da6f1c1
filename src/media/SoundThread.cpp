#include "SoundThread.h"

#include <type_traits>

#include "SoundTable.h"
#include "base/Error.h"
#include "base/FileBytes.h"
#include "base/Module.h"

namespace quillo {

namespace {

constexpr ModuleKind kSoundModule{"sound module", sound::kSoundModuleFile, "QUILLO_SOUND_MODULE",
                                  sound::kSoundTableEntry, sound::kSoundTableVersion};
static_assert(std::is_standard_layout_v<sound::SoundTable>);  // its version first

std::unique_ptr<sound::SoundDevice> OpenDevice() {
  try {
    return static_cast<const sound::SoundTable*>(FindModule(kSoundModule))->open();
  } catch (const Error&) {
    return nullptr;
  }
}

}  // namespace

SoundThread::SoundThread() = default;

SoundThread::~SoundThread() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  if (thread_.joinable()) thread_.join();
}

void SoundThread::PlayCue(const std::string& path) {
  Ask({false, path});
}

void SoundThread::PlayMusic(const std::string& path) {
  Ask({true, path});
}

void SoundThread::Ask(Request request) {
  {
    const std::lock_guard lock(mutex_);
    if (failed_) return;
    // A cue cuts off the one before, so one waiting is dropped for the new one.
    if (!request.music && !requests_.empty() && !requests_.back().music) requests_.pop_back();
    requests_.push_back(std::move(request));
    if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
  }
  changed_.notify_all();
}

void SoundThread::Run() {
  std::unique_ptr<sound::SoundDevice> device = OpenDevice();
  const std::string cache = CacheFolder();
  std::unique_lock lock(mutex_);
  if (!device) {
    failed_ = true;
    requests_.clear();
    changed_.notify_all();
    return;
  }
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || !requests_.empty(); });
    if (stopping_) break;
    const Request request = std::move(requests_.front());
    requests_.pop_front();
    busy_ = true;
    lock.unlock();
    if (request.music)
      device->PlayMusic(request.path, cache);
    else
      device->PlayCue(request.path);
    lock.lock();
    busy_ = false;
    changed_.notify_all();
  }
  lock.unlock();
  device.reset();  // closes the device on the thread that opened it
}

void SoundThread::WaitUntilIdle() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return failed_ || (requests_.empty() && !busy_); });
}

bool SoundThread::Audible() {
  const std::lock_guard lock(mutex_);
  return !failed_;
}

}  // namespace quillo
