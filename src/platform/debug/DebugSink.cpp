#include "platform/debug/DebugSink.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

namespace vorn::platform {
namespace {

struct Listeners {
    std::mutex mutex;
    std::map<int, DebugListener> byId;
    int nextId = 1;
    std::atomic<int> count{0};
};

Listeners& listeners() {
    static Listeners instance;
    return instance;
}

bool stderrEnabled() {
    static const bool enabled = debugRequested();
    return enabled;
}

}  // namespace

bool debugRequested() {
    const char* v = std::getenv("VORN_DEBUG");
    return v != nullptr && std::strcmp(v, "1") == 0;
}

bool debugEnabled() { return stderrEnabled() || listeners().count.load() > 0; }

void debugLine(std::string_view text) {
    if (stderrEnabled()) {
        // One fwrite per line keeps lines of different threads apart.
        std::string line(text);
        if (line.empty() || line.back() != '\n') {
            line.push_back('\n');
        }
        std::fwrite(line.data(), 1, line.size(), stderr);
    }
    Listeners& l = listeners();
    if (l.count.load() == 0) {
        return;
    }
    std::lock_guard lock(l.mutex);
    for (auto& [id, listener] : l.byId) {
        listener(text);
    }
}

void debugPrintf(const char* format, ...) {
    if (!debugEnabled()) {
        return;
    }
    char buffer[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    debugLine(buffer);
}

int addDebugListener(DebugListener listener) {
    Listeners& l = listeners();
    std::lock_guard lock(l.mutex);
    int id = l.nextId++;
    l.byId.emplace(id, std::move(listener));
    l.count.store(static_cast<int>(l.byId.size()));
    return id;
}

void removeDebugListener(int id) {
    Listeners& l = listeners();
    std::lock_guard lock(l.mutex);
    l.byId.erase(id);
    l.count.store(static_cast<int>(l.byId.size()));
}

DebugCapture::DebugCapture() {
    id_ = addDebugListener([this](std::string_view text) {
        std::lock_guard lock(mutex_);
        lines_.emplace_back(text);
    });
}

DebugCapture::~DebugCapture() { removeDebugListener(id_); }

std::vector<std::string> DebugCapture::lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
}

bool DebugCapture::contains(std::string_view fragment) const {
    std::lock_guard lock(mutex_);
    for (const auto& line : lines_) {
        if (line.find(fragment) != std::string::npos) {
            return true;
        }
    }
    return false;
}

void DebugCapture::clear() {
    std::lock_guard lock(mutex_);
    lines_.clear();
}

}  // namespace vorn::platform
