#pragma once
// An order file read and checked on a thread of its own, so that the window
// keeps answering while a large file is read: it tells its progress and its
// end as queued calls on the thread that started it, and can be stopped.

#include <QObject>
#include <atomic>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

#include "batch/order_file.h"

namespace ruvo::app {

class OrderFileLoader : public QObject {
  Q_OBJECT

 public:
  // Reads and checks the file, telling its progress (batch::LoadOrderFile);
  // may throw.
  using Load = std::function<batch::OrderFile(const batch::ReadProgress& progress)>;

  explicit OrderFileLoader(QObject* parent = nullptr);
  // Stops a reading under way and waits for its thread.
  ~OrderFileLoader() override;
  OrderFileLoader(const OrderFileLoader&) = delete;
  OrderFileLoader& operator=(const OrderFileLoader&) = delete;

  // Starts `load` on its own thread, after stopping one under way (whose end
  // is then never told).
  void Start(Load load);
  // Asks the reading under way to stop; it ends with batch::ReadCancelled.
  void Cancel() { cancel_ = true; }
  bool Running() const { return running_; }

  // After `finished`: the file read, or rethrows what the reading threw.
  batch::OrderFile TakeResult();

 signals:
  // `percent` of `step`, told when it changes.
  void progressed(int step, int percent);
  void finished();

 private:
  void Stop();
  bool Tell(int generation, batch::ReadStep step, std::size_t done, std::size_t total);

  std::thread thread_;
  std::atomic<bool> cancel_ = false;
  int generation_ = 0;    // on the starting thread: counts the readings started
  bool running_ = false;  // on the starting thread: from Start until `finished` is told
  int lastPercent_ = -1;  // on the worker: the last percent told
  std::mutex mutex_;      // guards the result
  batch::OrderFile result_;
  std::exception_ptr error_;
};

}  // namespace ruvo::app
