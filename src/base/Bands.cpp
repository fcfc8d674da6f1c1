#include "Bands.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace quillo {

namespace {

// True on a thread while it runs a band: a band that asks for bands itself
// runs them at once, instead of waiting for the pool it is part of.
thread_local bool inBand = false;

// One call's bands. Helpers hold it by shared pointer, so one that wakes
// after the call has returned finds no band left and never touches work.
struct Job {
  const std::function<void(int, int)>* work = nullptr;
  int begin = 0;
  int end = 0;
  int bandSize = 1;
  int bands = 0;
  // How many bands were taken from the front (the low half) and from the
  // back (the high half). The caller takes them from the front and the
  // helpers from the back, so that from one call to the next each thread
  // mostly gets the same rows, whose pixels its core's cache still holds.
  std::atomic<unsigned long long> taken{0};
  std::atomic<int> done{0};
  std::mutex failureMutex;
  std::exception_ptr failure;  // the first band's exception, rethrown by the caller

  // The next band from the front or the back, or bands when none is left.
  int Next(bool fromBack) {
    unsigned long long was = taken.load();
    for (;;) {
      const auto front = static_cast<int>(was & 0xFFFFFFFFu);
      const auto back = static_cast<int>(was >> 32);
      if (front + back >= bands) return bands;
      if (taken.compare_exchange_weak(was, was + (fromBack ? 1ull << 32 : 1ull)))
        return fromBack ? bands - 1 - back : front;
    }
  }

  // Runs bands until none is left.
  void Take(bool fromBack) {
    for (int band = Next(fromBack); band < bands; band = Next(fromBack)) {
      const int first = begin + band * bandSize;
      inBand = true;
      try {
        (*work)(first, std::min(first + bandSize, end));
      } catch (...) {
        const std::lock_guard lock(failureMutex);
        if (!failure) failure = std::current_exception();
      }
      inBand = false;
      if (done.fetch_add(1) + 1 == bands) done.notify_all();
    }
  }
};

// At most four threads in all: the pieces of work are a frame of a few
// hundred rows, which more threads would only cut into smaller bits.
int ThreadCount() {
  if (const char* forced = std::getenv("QUILLO_THREADS")) {
    const int n = std::atoi(forced);
    if (n >= 1) return std::min(n, 16);
  }
  return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 4);
}

class Pool {
 public:
  explicit Pool(int helpers) {
    for (int i = 0; i < helpers; ++i) threads_.emplace_back([this] { Serve(); });
  }
  Pool(const Pool&) = delete;
  Pool& operator=(const Pool&) = delete;
  ~Pool() {
    {
      const std::lock_guard lock(mutex_);
      stop_ = true;
    }
    wake_.notify_all();
    for (std::thread& t : threads_) t.join();
  }

  void Run(int begin, int end, int bandSize, const std::function<void(int, int)>& work) {
    const int bands = (end - begin + bandSize - 1) / bandSize;
    if (threads_.empty() || bands < 2 || inBand) {
      work(begin, end);
      return;
    }
    std::unique_lock<std::mutex> call(calling_, std::try_to_lock);
    if (!call.owns_lock()) {
      work(begin, end);
      return;
    }
    auto job = std::make_shared<Job>();
    job->work = &work;
    job->begin = begin;
    job->end = end;
    job->bandSize = bandSize;
    job->bands = bands;
    {
      const std::lock_guard lock(mutex_);
      job_ = job;
      generation_.fetch_add(1, std::memory_order_release);
    }
    wake_.notify_all();
    job->Take(false);
    // The helpers' last bands end soon after the caller's: it looks out for
    // them before it sleeps, as a sleeper woken late would hold up the frame.
    LookOut([&] { return job->done.load() == bands; });
    for (int done = job->done.load(); done != bands; done = job->done.load()) job->done.wait(done);
    {
      const std::lock_guard lock(mutex_);
      if (job_ == job) job_.reset();
    }
    if (job->failure) std::rethrow_exception(job->failure);
  }

 private:
  void Serve() {
    unsigned long long seen = 0;
    for (;;) {
      // While a person drags, frames follow each other closely: a helper
      // that has just finished looks out for the next call a little while
      // before it sleeps, since waking it takes longer than a band.
      LookOut([&] { return generation_.load(std::memory_order_acquire) != seen; });
      std::shared_ptr<Job> job;
      {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [&] { return stop_ || generation_.load() != seen; });
        if (stop_) return;
        seen = generation_.load();
        job = job_;
      }
      if (job) job->Take(true);
    }
  }

  // Waits, yielding, until ready() or for kLookOut at most.
  template <class Ready>
  static void LookOut(const Ready& ready) {
    const auto until = std::chrono::steady_clock::now() + kLookOut;
    while (!ready() && std::chrono::steady_clock::now() < until) std::this_thread::yield();
  }

  static constexpr std::chrono::microseconds kLookOut{200};

  std::vector<std::thread> threads_;
  std::mutex calling_;  // one caller's bands at a time
  std::mutex mutex_;
  std::condition_variable wake_;
  std::shared_ptr<Job> job_;
  std::atomic<unsigned long long> generation_{0};
  bool stop_ = false;
};

Pool& ThePool() {
  static Pool pool(ThreadCount() - 1);
  return pool;
}

}  // namespace

void RunInBands(int begin, int end, int bandSize, const std::function<void(int, int)>& work) {
  if (end <= begin) return;
  ThePool().Run(begin, end, std::max(bandSize, 1), work);
}

}  // namespace quillo
