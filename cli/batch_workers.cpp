#include "cli/batch_workers.h"

#include <utility>

namespace orbalis::cli {

BatchWorkers::BatchWorkers(unsigned threads, Compute compute) : compute_(std::move(compute)) {
    threads_.reserve(threads);
    for (unsigned worker = 0; worker < threads; ++worker)
        threads_.emplace_back([this, worker] { Work(worker); });
}

BatchWorkers::~BatchWorkers() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    workWaiting_.notify_all();
    for (std::thread& thread : threads_) thread.join();
}

void BatchWorkers::Submit(std::unique_ptr<BatchChunk> chunk) {
    chunk->done = false;
    BatchChunk* work = chunk.get();
    if (threads_.empty()) {
        compute_(*work, 0);
        work->done = true;
        inHand_.push_back(std::move(chunk));
        return;
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        inHand_.push_back(std::move(chunk));
        waiting_.push_back(work);
    }
    workWaiting_.notify_one();
}

std::unique_ptr<BatchChunk> BatchWorkers::NextDone() {
    if (inHand_.empty()) return nullptr;
    std::unique_lock<std::mutex> lock(mutex_);
    chunkDone_.wait(lock, [this] { return inHand_.front()->done; });
    std::unique_ptr<BatchChunk> chunk = std::move(inHand_.front());
    inHand_.pop_front();
    if (chunk->failure) std::rethrow_exception(std::exchange(chunk->failure, nullptr));
    return chunk;
}

void BatchWorkers::Work(unsigned worker) {
    for (;;) {
        BatchChunk* chunk = nullptr;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            workWaiting_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
            if (stopping_) return;
            chunk = waiting_.front();
            waiting_.pop_front();
        }
        try {
            compute_(*chunk, worker);
        } catch (...) {
            chunk->failure = std::current_exception();
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            chunk->done = true;
        }
        // Only the oldest chunk is waited for, but any may be it.
        chunkDone_.notify_one();
    }
}

}  // namespace orbalis::cli
