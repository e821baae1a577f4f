#include "ui/qt/QtMessageLoop.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

namespace vorn::ui::qt {

struct QtMessageLoop::Reply {
    platform::MessageResult result = 0;
    bool done = false;
};

namespace {

const QEvent::Type kMessageEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

}  // namespace

// Lives on the loop thread; receives one Qt event per queued message.
class QtMessageLoop::Dispatcher : public QObject {
  public:
    explicit Dispatcher(QtMessageLoop* loop) : loop_(loop) {}

    struct MessageEvent : QEvent {
        MessageEvent(platform::MessageTarget* to, std::uint64_t registration,
                     const platform::Message& what, std::shared_ptr<Reply> answer)
            : QEvent(kMessageEvent),
              target(to),
              serial(registration),
              message(what),
              reply(std::move(answer)) {}
        platform::MessageTarget* target;
        std::uint64_t serial;
        platform::Message message;
        std::shared_ptr<Reply> reply;
    };

    bool event(QEvent* e) override {
        if (e->type() != kMessageEvent) {
            return QObject::event(e);
        }
        auto* m = static_cast<MessageEvent*>(e);
        loop_->deliver(m->target, m->serial, m->message, m->reply);
        return true;
    }

  private:
    QtMessageLoop* loop_;
};

QtMessageLoop::QtMessageLoop()
    : loopThread_(std::this_thread::get_id()), dispatcher_(std::make_unique<Dispatcher>(this)) {}

QtMessageLoop::~QtMessageLoop() {
    {
        std::lock_guard lock(mutex_);
        quitting_ = true;
        for (auto& [target, reply] : waiting_) {
            reply->done = true;
        }
        waiting_.clear();
    }
    answered_.notify_all();
    for (auto& [key, timer] : timers_) {
        delete timer;
    }
    timers_.clear();
}

void QtMessageLoop::addTarget(platform::MessageTarget* target) {
    std::lock_guard lock(mutex_);
    targets_[target] = nextSerial_++;
}

void QtMessageLoop::removeTarget(platform::MessageTarget* target) {
    {
        std::lock_guard lock(mutex_);
        targets_.erase(target);
        auto range = waiting_.equal_range(target);
        for (auto it = range.first; it != range.second; ++it) {
            it->second->done = true;  // result stays 0
        }
        waiting_.erase(range.first, range.second);
    }
    answered_.notify_all();
    dropTimersOf(target);
}

bool QtMessageLoop::registered(platform::MessageTarget* target, std::uint64_t serial) const {
    auto it = targets_.find(target);
    return it != targets_.end() && (serial == 0 || it->second == serial);
}

bool QtMessageLoop::post(platform::MessageTarget* target, const platform::Message& message) {
    std::uint64_t serial = 0;
    {
        std::lock_guard lock(mutex_);
        if (quitting_ || !registered(target, 0)) {
            return false;
        }
        serial = targets_[target];
    }
    QCoreApplication::postEvent(dispatcher_.get(),
                                new Dispatcher::MessageEvent(target, serial, message, nullptr));
    return true;
}

platform::MessageResult QtMessageLoop::send(platform::MessageTarget* target,
                                            const platform::Message& message) {
    if (isLoopThread()) {
        {
            std::lock_guard lock(mutex_);
            if (quitting_ || !registered(target, 0)) {
                return 0;
            }
        }
        return target->handleMessage(message);
    }
    auto reply = std::make_shared<Reply>();
    std::uint64_t serial = 0;
    {
        std::lock_guard lock(mutex_);
        if (quitting_ || !registered(target, 0)) {
            return 0;
        }
        serial = targets_[target];
        waiting_.emplace(target, reply);
    }
    QCoreApplication::postEvent(dispatcher_.get(),
                                new Dispatcher::MessageEvent(target, serial, message, reply));
    std::unique_lock lock(mutex_);
    answered_.wait(lock, [&] { return reply->done || quitting_; });
    return reply->done ? reply->result : 0;
}

void QtMessageLoop::deliver(platform::MessageTarget* target, std::uint64_t serial,
                            const platform::Message& message, const std::shared_ptr<Reply>& reply) {
    {
        std::lock_guard lock(mutex_);
        if (quitting_ || !registered(target, serial) || (reply != nullptr && reply->done)) {
            return;  // dropped: the target went away (its senders were answered with 0)
        }
    }
    platform::MessageResult result = target->handleMessage(message);
    if (reply == nullptr) {
        return;
    }
    {
        std::lock_guard lock(mutex_);
        reply->result = result;
        reply->done = true;
        auto range = waiting_.equal_range(target);
        for (auto it = range.first; it != range.second; ++it) {
            if (it->second == reply) {
                waiting_.erase(it);
                break;
            }
        }
    }
    answered_.notify_all();
}

bool QtMessageLoop::setTimer(platform::MessageTarget* target, std::uint32_t timerId,
                             std::uint32_t intervalMs, platform::TimerMode mode) {
    std::uint64_t serial = 0;
    {
        std::lock_guard lock(mutex_);
        if (quitting_ || !registered(target, 0)) {
            return false;
        }
        serial = targets_[target];
    }
    TimerKey key{target, timerId};
    QTimer*& timer = timers_[key];
    if (timer == nullptr) {
        timer = new QTimer(dispatcher_.get());
    } else {
        timer->stop();
        QObject::disconnect(timer, nullptr, nullptr, nullptr);
    }
    timer->setSingleShot(mode == platform::TimerMode::OneShot);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(static_cast<int>(intervalMs < 1 ? 1 : intervalMs));
    bool oneShot = mode == platform::TimerMode::OneShot;
    QObject::connect(timer, &QTimer::timeout, dispatcher_.get(), [this, key, serial, oneShot] {
        {
            std::lock_guard lock(mutex_);
            if (quitting_ || !registered(key.first, serial)) {
                return;
            }
        }
        if (oneShot) {
            auto it = timers_.find(key);
            if (it != timers_.end()) {
                it->second->deleteLater();
                timers_.erase(it);
            }
        }
        key.first->handleMessage({platform::kTimerMessage, key.second, 0});
    });
    timer->start();
    return true;
}

bool QtMessageLoop::killTimer(platform::MessageTarget* target, std::uint32_t timerId) {
    auto it = timers_.find({target, timerId});
    if (it == timers_.end()) {
        return false;
    }
    it->second->stop();
    it->second->deleteLater();
    timers_.erase(it);
    return true;
}

void QtMessageLoop::dropTimersOf(platform::MessageTarget* target) {
    for (auto it = timers_.begin(); it != timers_.end();) {
        if (it->first.first == target) {
            it->second->stop();
            it->second->deleteLater();
            it = timers_.erase(it);
        } else {
            ++it;
        }
    }
}

void QtMessageLoop::quit() {
    {
        std::lock_guard lock(mutex_);
        if (quitting_) {
            return;
        }
        quitting_ = true;
        for (auto& [target, reply] : waiting_) {
            reply->done = true;
        }
        waiting_.clear();
    }
    answered_.notify_all();
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

bool QtMessageLoop::quitting() const {
    std::lock_guard lock(mutex_);
    return quitting_;
}

bool QtMessageLoop::isLoopThread() const {
    return std::this_thread::get_id() == loopThread_;
}

void QtMessageLoop::runUntil(const std::function<bool()>& done) {
    QEventLoop nested;
    while (!done() && !quitting()) {
        nested.processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
    }
}

int QtMessageLoop::run() {
    if (quitting()) {
        return 0;
    }
    return QCoreApplication::exec();
}

}  // namespace vorn::ui::qt
