#include "platform/shell/FileDialogs.h"

#include <atomic>

#include "platform/text/Text.h"

namespace vorn::platform {
namespace {

class CancellingDialogs final : public IFileDialogs {
  public:
    std::optional<std::string> openFile(const FileQuestion&) override { return std::nullopt; }
    std::optional<std::string> saveFile(const FileQuestion&) override { return std::nullopt; }
};

CancellingDialogs gCancelling;
std::atomic<IFileDialogs*> gInstalled{nullptr};

}  // namespace

IFileDialogs& fileDialogs() {
    IFileDialogs* installed = gInstalled.load();
    return installed != nullptr ? *installed : gCancelling;
}

void setFileDialogs(IFileDialogs* dialogs) {
    gInstalled = dialogs;
}

std::optional<std::string> ScriptedFileDialogs::next(const FileQuestion& question) {
    asked.push_back(question);
    if (answers.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> answer = answers.front();
    answers.erase(answers.begin());
    return answer;
}

std::optional<std::string> ScriptedFileDialogs::openFile(const FileQuestion& question) {
    return next(question);
}

std::optional<std::string> ScriptedFileDialogs::saveFile(const FileQuestion& question) {
    return next(question);
}

std::vector<std::string> filterPatterns(const std::string& filter) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t bar = filter.find('|', start);
        fields.push_back(trimSpace(std::string_view(filter).substr(start, bar - start)));
        if (bar == std::string::npos) {
            break;
        }
        start = bar + 1;
    }
    std::vector<std::string> patterns;
    for (std::size_t i = 1; i < fields.size(); i += 2) {
        if (!fields[i].empty()) {
            patterns.push_back(fields[i]);
        }
    }
    return patterns;
}

}  // namespace vorn::platform
