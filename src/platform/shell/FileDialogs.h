#pragma once
// Asking the user for a file. The program installs the desktop's dialogs; without them (and
// in tests, which script the answers) every question is answered "cancelled".

#include <optional>
#include <string>
#include <vector>

namespace vorn::platform {

struct FileQuestion {
    std::string title;
    std::string filter;            // e.g. "(*.png) | *.png |(*.*)|*.*||"
    std::string defaultExtension;  // e.g. "png"
};

class IFileDialogs {
  public:
    virtual ~IFileDialogs() = default;
    // The chosen file's path; nothing when the user cancelled.
    virtual std::optional<std::string> openFile(const FileQuestion& question) = 0;
    virtual std::optional<std::string> saveFile(const FileQuestion& question) = 0;
};

// The dialogs installed now (never null).
IFileDialogs& fileDialogs();
// Installs dialogs; nullptr goes back to the ones that always cancel.
void setFileDialogs(IFileDialogs* dialogs);

// Dialogs that answer from a script, for tests: each question takes the next answer
// (nothing = cancelled) and is kept.
class ScriptedFileDialogs final : public IFileDialogs {
  public:
    std::optional<std::string> openFile(const FileQuestion& question) override;
    std::optional<std::string> saveFile(const FileQuestion& question) override;
    std::vector<std::optional<std::string>> answers;
    std::vector<FileQuestion> asked;

  private:
    std::optional<std::string> next(const FileQuestion& question);
};

// The patterns of a filter text of the form "(*.png) | *.png |(*.*)|*.*||": every second
// field, trimmed ("*.png", "*.*").
std::vector<std::string> filterPatterns(const std::string& filter);

}  // namespace vorn::platform
