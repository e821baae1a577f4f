#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "QtTestSupport.h"
#include "platform/debug/DebugSink.h"
#include "support/TempHome.h"
#include "ui/framework/windows/TrayIcon.h"
#include "ui/qt/QtFonts.h"
#include "ui/qt/QtPainter.h"
#include "ui/qt/QtUi.h"

using namespace vorn;
using namespace vorn::ui;
using namespace vorn::ui::qt;

TEST(QtPainter, TintedImageTakesTheColourAtTheBrightnessAndKeepsAlpha) {
    test::qtApp();
    test::TempHome home;
    std::string svg = (home.root() / "key.svg").string();
    test::writeBytes(svg,
                     R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">
                        <rect x="0" y="0" width="5" height="10" fill="#FFFFFF"/></svg>)");
    QImage target(10, 10, QImage::Format_ARGB32);
    target.fill(Qt::transparent);
    {
        QPainter p(&target);
        QtPainter painter(p);
        TDrawInfo info;
        ASSERT_TRUE(painter.drawTintedImage(svg, {0, 0, 10, 10}, info, 0xFFFF8000u, 128));
        EXPECT_FALSE(painter.drawTintedImage("/nonexistent.png", {0, 0, 10, 10}, info, 0, 255));
    }
    QColor lit = target.pixelColor(2, 5);
    EXPECT_NEAR(lit.red(), 128, 2);
    EXPECT_NEAR(lit.green(), 64, 2);
    EXPECT_EQ(lit.blue(), 0);
    EXPECT_EQ(lit.alpha(), 255);
    EXPECT_EQ(target.pixelColor(8, 5).alpha(), 0);  // transparent part stays transparent
}

TEST(QtPainter, PiesRunClockwiseFromTheRight) {
    test::qtApp();
    QImage target(100, 100, QImage::Format_ARGB32);
    target.fill(Qt::white);
    {
        QPainter p(&target);
        QtPainter painter(p);
        painter.fillPie({0, 0, 100, 100}, 90, 90, 0xFF000000u);  // from straight down to the left
    }
    EXPECT_EQ(target.pixelColor(30, 70), QColor(Qt::black));  // lower left quarter
    EXPECT_EQ(target.pixelColor(70, 70), QColor(Qt::white));
    EXPECT_EQ(target.pixelColor(30, 30), QColor(Qt::white));
}

TEST(QtFonts, FontFilesAreAddedAndUnreadableOnesSkipped) {
    test::qtApp();
    test::TempHome home;
    EXPECT_EQ(addFontFolder((home.root() / "missing").string()), 0);
    test::writeBytes(home.root() / "Font" / "broken.ttf", "not a font");
    platform::DebugCapture debug;
    EXPECT_EQ(addFontFolder((home.root() / "Font").string() + "/"), 0);
    EXPECT_TRUE(debug.contains("broken.ttf"));
}

TEST(QtTray, NoTrayOnTheDesktopIsReported) {
    test::qtApp();
    QtUi ui("/nonexistent/");
    class W final : public CWindowWnd {
      public:
        std::string GetWindowClassName() const override { return "W"; }
    } window;
    window.Create(nullptr, "w", WS_POPUP, 0);
    CTrayIcon tray;
    // The offscreen platform has no tray: the caller learns it and keeps its window shown.
    EXPECT_EQ(tray.CreateTrayIcon(&window, 107, "VORN  8K Gaming Mouse"),
              QSystemTrayIcon::isSystemTrayAvailable());
    window.DestroyWindow();
}
