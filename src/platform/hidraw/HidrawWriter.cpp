#include "platform/hidraw/HidrawWriter.h"

#include <algorithm>

namespace vorn::platform::hidraw {

HidrawWriter::HidrawWriter(std::shared_ptr<HidrawSystem> system, std::shared_ptr<HidrawFile> file,
                           std::shared_ptr<HidrawLock> lock)
    : state_(std::make_shared<State>()) {
    state_->system = std::move(system);
    state_->file = std::move(file);
    state_->lock = std::move(lock);
}

HidrawWriter::~HidrawWriter() {
    if (!thread_.joinable()) {
        return;
    }
    bool inKernel = false;
    {
        std::lock_guard<std::mutex> lock(state_->lock->mutex);
        state_->stop = true;
        inKernel = state_->inKernel;
        state_->lock->changed.notify_all();
    }
    // An idle thread sees the stop before it could write again.
    if (inKernel) {
        thread_.detach();
    } else {
        thread_.join();
    }
}

std::shared_ptr<HidrawWrite> HidrawWriter::submit(const uint8_t* data, size_t size) {
    auto write = std::make_shared<HidrawWrite>();
    write->data.assign(data, data + size);
    state_->queue.push_back(write);
    if (!thread_.joinable()) {
        thread_ = std::thread([state = state_] { run(state); });
    }
    state_->lock->changed.notify_all();
    return write;
}

void HidrawWriter::withdraw(const std::shared_ptr<HidrawWrite>& write) {
    std::deque<std::shared_ptr<HidrawWrite>>& q = state_->queue;
    q.erase(std::remove(q.begin(), q.end(), write), q.end());
}

void HidrawWriter::run(const std::shared_ptr<State>& state) {
    std::unique_lock<std::mutex> lock(state->lock->mutex);
    for (;;) {
        state->lock->changed.wait(lock, [&] { return state->stop || !state->queue.empty(); });
        if (state->stop) {
            return;
        }
        const std::shared_ptr<HidrawWrite> write = std::move(state->queue.front());
        state->queue.pop_front();
        state->inKernel = true;
        lock.unlock();
        const ssize_t n =
            state->system->write(state->file->fd(), write->data.data(), write->data.size());
        lock.lock();
        state->inKernel = false;
        write->result = n;
        write->done = true;
        state->lock->changed.notify_all();
    }
}

}  // namespace vorn::platform::hidraw
