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
  std::atomic<int> next{0};
  std::atomic<int> done{0};
  std::mutex failureMutex;
  std::exception_ptr failure;  // the first band's exception, rethrown by the caller

  // Runs bands until none is left.
  void Take() {
    for (int band = next.fetch_add(1); band < bands; band = next.fetch_add(1)) {
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
    job->Take();
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
      const auto until = std::chrono::steady_clock::now() + kLookOut;
      while (generation_.load(std::memory_order_acquire) == seen &&
             std::chrono::steady_clock::now() < until)
        std::this_thread::yield();
      std::shared_ptr<Job> job;
      {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [&] { return stop_ || generation_.load() != seen; });
        if (stop_) return;
        seen = generation_.load();
        job = job_;
      }
      if (job) job->Take();
    }
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
