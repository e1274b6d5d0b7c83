#include "app/order_file_loader.h"

namespace ruvo::app {

OrderFileLoader::OrderFileLoader(QObject* parent) : QObject(parent) {}

OrderFileLoader::~OrderFileLoader() {
  Stop();
}

void OrderFileLoader::Stop() {
  if (!thread_.joinable()) return;
  cancel_ = true;
  thread_.join();
}

// On the worker thread; what it posts is dropped once another reading has
// started.
bool OrderFileLoader::Tell(int generation, batch::ReadStep step, std::size_t done,
                           std::size_t total) {
  if (cancel_) return false;
  const int percent = total == 0 ? 100 : static_cast<int>(done * 100 / total);
  if (percent != lastPercent_) {
    lastPercent_ = percent;
    const int stepNumber = static_cast<int>(step);
    QMetaObject::invokeMethod(
        this,
        [this, generation, stepNumber, percent] {
          if (generation == generation_) emit progressed(stepNumber, percent);
        },
        Qt::QueuedConnection);
  }
  return true;
}

void OrderFileLoader::Start(Load load) {
  Stop();
  cancel_ = false;
  running_ = true;
  lastPercent_ = -1;
  const int generation = ++generation_;
  thread_ = std::thread([this, generation, load = std::move(load)] {
    batch::OrderFile file;
    std::exception_ptr error;
    try {
      file = load([this, generation](batch::ReadStep step, std::size_t done, std::size_t total) {
        return Tell(generation, step, done, total);
      });
    } catch (...) {
      error = std::current_exception();
    }
    {
      const std::lock_guard lock(mutex_);
      result_ = std::move(file);
      error_ = error;
    }
    // A reading stopped for a new one tells no end: the new one's comes.
    QMetaObject::invokeMethod(
        this,
        [this, generation] {
          if (generation != generation_) return;
          running_ = false;
          emit finished();
        },
        Qt::QueuedConnection);
  });
}

batch::OrderFile OrderFileLoader::TakeResult() {
  const std::lock_guard lock(mutex_);
  if (error_) std::rethrow_exception(std::exchange(error_, nullptr));
  return std::move(result_);
}

}  // namespace ruvo::app
