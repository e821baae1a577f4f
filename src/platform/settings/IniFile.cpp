#include "platform/settings/IniFile.h"

#include <cerrno>
#include <optional>
#include <vector>

#include "platform/files/WholeFile.h"
#include "platform/text/Text.h"

namespace vorn::platform {
namespace {

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The section a line opens, if it opens one.
std::optional<std::string> sectionOf(std::string_view line) {
    const std::string text = trimSpace(line);
    if (text.size() >= 2 && text.front() == '[' && text.back() == ']') {
        return trimSpace(std::string_view(text).substr(1, text.size() - 2));
    }
    return std::nullopt;
}

// Whether a line sets key; value receives its value.
bool setsKey(std::string_view line, std::string_view key, std::string* value = nullptr) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || trimSpace(line.substr(0, equals)) != key) {
        return false;
    }
    if (value != nullptr) {
        *value = trimSpace(line.substr(equals + 1));
    }
    return true;
}

}  // namespace

bool writeIniString(const std::string& path, std::string_view section, std::string_view key,
                    std::string_view value) {
    std::string text;
    int error = 0;
    if (!readWholeFile(path, text, &error) && error != ENOENT) {
        errno = error;
        return false;
    }
    std::vector<std::string> lines = splitLines(text);
    const std::string entry = std::string(key) + "=" + std::string(value);
    bool inSection = false;
    std::optional<std::size_t> sectionEnd;  // where a missing key of the section goes
    bool done = false;
    for (std::size_t i = 0; i < lines.size() && !done; ++i) {
        if (auto name = sectionOf(lines[i])) {
            if (inSection) {
                break;
            }
            inSection = *name == section;
            if (inSection) {
                sectionEnd = i + 1;
            }
            continue;
        }
        if (inSection) {
            if (setsKey(lines[i], key)) {
                lines[i] = entry;
                done = true;
            } else if (!trimSpace(lines[i]).empty()) {
                sectionEnd = i + 1;
            }
        }
    }
    if (!done) {
        if (sectionEnd) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*sectionEnd), entry);
        } else {
            lines.push_back("[" + std::string(section) + "]");
            lines.push_back(entry);
        }
    }
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += '\n';
    }
    return writeFileAtomically(path, out);
}

std::string readIniString(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view fallback) {
    std::string text;
    if (!readWholeFile(path, text)) {
        return std::string(fallback);
    }
    bool inSection = false;
    for (const std::string& line : splitLines(text)) {
        if (auto name = sectionOf(line)) {
            inSection = *name == section;
            continue;
        }
        std::string value;
        if (inSection && setsKey(line, key, &value)) {
            return value;
        }
    }
    return std::string(fallback);
}

}  // namespace vorn::platform
