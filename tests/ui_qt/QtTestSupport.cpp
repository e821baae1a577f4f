#include "QtTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

// Qt and fontconfig keep caches for the life of the process; they are not leaks of ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\nleak:libQt6\nleak:libglib\nleak:libdbus\nleak:libgobject\n";
}

namespace vorn::test {
namespace {

int gArgc = 1;
char gName[] = "test_ui_qt";
char* gArgv[] = {gName, nullptr};
std::unique_ptr<QApplication> gApp;

class QtEnvironment : public ::testing::Environment {
  public:
    void TearDown() override { gApp.reset(); }
};

const bool gRegistered = [] {
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);
    return true;
}();

}  // namespace

QApplication& qtApp() {
    if (!gApp) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        gApp = std::make_unique<QApplication>(gArgc, gArgv);
    }
    (void)gRegistered;
    return *gApp;
}

}  // namespace vorn::test
