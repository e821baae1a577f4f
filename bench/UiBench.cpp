// Building and realising a layout of 500 controls, and filling a shown combo.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>

#include <cstdlib>
#include <memory>
#include <string>

#include "ui/framework/controls/Combo.h"
#include "ui/framework/controls/List.h"
#include "ui/framework/layouts/Container.h"
#include "ui/framework/layouts/DialogBuilder.h"
#include "ui/framework/windows/PaintManager.h"
#include "ui/qt/TreeRealiser.h"

using namespace vorn::ui;

namespace {

// 25 rows of 19 standard controls: 500 controls with the rows and the root.
std::string layoutOf500() {
    static const char* kinds[] = {
        R"(<Label text="Label %d"/>)",
        R"(<Button text="Button %d"/>)",
        R"(<Option text="Opt %d" group="g%r"/>)",
        R"(<CheckBox text="Check %d"/>)",
        R"(<Slider min="0" max="100" value="%d"/>)",
        R"(<Edit text="%d"/>)",
        R"(<Progress value="%d"/>)",
        R"(<Combo><ListLabelElement text="A"/><ListLabelElement text="B"/></Combo>)",
    };
    std::string xml = R"(<Window size="1600,1000"><VerticalLayout name="root" vscrollbar="true">)";
    int n = 0;
    for (int row = 0; row < 25; ++row) {
        xml += R"(<HorizontalLayout height="36" childpadding="2">)";
        for (int col = 0; col < 19; ++col, ++n) {
            // Fill the placeholders by rebuilding the string (no in-place replace).
            std::string pattern = kinds[n % 8];
            std::string c;
            for (size_t i = 0; i < pattern.size(); ++i) {
                if (pattern[i] == '%' && i + 1 < pattern.size()) {
                    c += std::to_string(pattern[i + 1] == 'r' ? row : n);
                    ++i;
                } else if (pattern[i] == ' ' && c.find(" name=") == std::string::npos) {
                    c += " name=\"c" + std::to_string(n) + "\" ";
                } else {
                    c += pattern[i];
                }
            }
            xml += c;
        }
        xml += "</HorizontalLayout>";
    }
    xml += "</VerticalLayout></Window>";
    return xml;
}

QApplication& app() {
    static int argc = 1;
    static char name[] = "bench_ui";
    static char* argv[] = {name, nullptr};
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    static QApplication instance(argc, argv);
    return instance;
}

void BM_Build500(benchmark::State& state) {
    const std::string xml = layoutOf500();
    for (auto _ : state) {
        CPaintManagerUI pm;
        CDialogBuilder builder;
        pm.AttachDialog(builder.Create(xml, {}, nullptr, &pm));
        pm.UpdateLayout();
        benchmark::DoNotOptimize(pm.FindControl("c499"));
    }
}
BENCHMARK(BM_Build500)->Unit(benchmark::kMillisecond);

void BM_Layout500(benchmark::State& state) {
    CPaintManagerUI pm;
    CDialogBuilder builder;
    pm.AttachDialog(builder.Create(layoutOf500(), {}, nullptr, &pm));
    int width = 1600;
    for (auto _ : state) {
        pm.SetClientSize({width, 1000});
        width = width == 1600 ? 1500 : 1600;
        pm.UpdateLayout();
    }
}
BENCHMARK(BM_Layout500)->Unit(benchmark::kMicrosecond);

void BM_BuildAndRealise500(benchmark::State& state) {
    app();
    const std::string xml = layoutOf500();
    for (auto _ : state) {
        CPaintManagerUI pm;
        CDialogBuilder builder;
        pm.AttachDialog(builder.Create(xml, {}, nullptr, &pm));
        auto host = std::make_unique<QWidget>();
        host->resize(1600, 1000);
        {
            vorn::ui::qt::TreeRealiser realiser(pm, host.get());
            benchmark::DoNotOptimize(realiser.widgetCount());
        }
        host.reset();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_BuildAndRealise500)->Unit(benchmark::kMillisecond);

void BM_Render500(benchmark::State& state) {
    app();
    CPaintManagerUI pm;
    CDialogBuilder builder;
    pm.AttachDialog(builder.Create(layoutOf500(), {}, nullptr, &pm));
    QWidget host;
    host.resize(1600, 1000);
    vorn::ui::qt::TreeRealiser realiser(pm, &host);
    for (auto _ : state) {
        benchmark::DoNotOptimize(host.grab());
    }
}
BENCHMARK(BM_Render500)->Unit(benchmark::kMillisecond);

// 400 rows added to a combo that is shown, until the widget shows them all.
void BM_ComboAdd400(benchmark::State& state) {
    app();
    CPaintManagerUI pm;
    CDialogBuilder builder;
    pm.AttachDialog(builder.Create(
        R"(<Window size="400,300"><VerticalLayout><Combo name="combo" height="28"/></VerticalLayout></Window>)",
        {}, nullptr, &pm));
    QWidget host;
    host.resize(400, 300);
    vorn::ui::qt::TreeRealiser realiser(pm, &host);
    auto* combo = static_cast<CComboUI*>(pm.FindControl("combo"));
    for (auto _ : state) {
        for (int i = 0; i < 400; ++i) {
            auto* row = new CListLabelElementUI;
            row->SetText("Profile " + std::to_string(i));
            combo->Add(row);
        }
        QCoreApplication::processEvents();
        state.PauseTiming();
        combo->RemoveAll();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ComboAdd400)->Unit(benchmark::kMillisecond);

}  // namespace
