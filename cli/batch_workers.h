#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "cli/csv_reader.h"

namespace orbalis::cli {

// A run of consecutive data rows of a batch and the output rows made of them.
// The row slots are kept from one use of the chunk to the next, so that
// reading reuses their memory.
struct BatchChunk {
    std::vector<CsvRow> rows;
    std::size_t count = 0;  // rows in use
    std::size_t bytes = 0;  // the bytes of their fields
    std::string output;     // their output rows, CSV
    long refused = 0;       // rows among them whose error column is filled
    bool done = false;
    std::exception_ptr failure;  // what the computation threw, if anything
};

// Computes chunks on worker threads and hands them back in the order they
// came in, so that a batch writes its rows in input order whatever the
// number of threads. With no threads, a chunk is computed as it comes in.
class BatchWorkers {
  public:
    // `compute` runs on a worker with that worker's number (0 without threads).
    using Compute = std::function<void(BatchChunk&, unsigned worker)>;

    BatchWorkers(unsigned threads, Compute compute);
    // Chunks still waiting are dropped; those being computed are finished.
    ~BatchWorkers();
    BatchWorkers(const BatchWorkers&) = delete;
    BatchWorkers& operator=(const BatchWorkers&) = delete;

    void Submit(std::unique_ptr<BatchChunk> chunk);
    // The oldest chunk handed in, once computed; nothing when none is in hand.
    // What its computation threw on a worker is thrown here, on the caller's
    // thread.
    std::unique_ptr<BatchChunk> NextDone();
    std::size_t InHand() const { return inHand_.size(); }

  private:
    void Work(unsigned worker);

    Compute compute_;
    std::deque<std::unique_ptr<BatchChunk>> inHand_;  // in the order handed in
    std::mutex mutex_;
    std::condition_variable workWaiting_;
    std::condition_variable chunkDone_;
    std::deque<BatchChunk*> waiting_;  // handed in, not yet taken by a worker
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

}  // namespace orbalis::cli
