#include "ui/framework/windows/WindowHost.h"

namespace vorn::ui {
namespace {

IWindowHost* gHost = nullptr;

}  // namespace

HeadlessWindowHost& headlessWindowHost() {
    static HeadlessWindowHost host;
    return host;
}

IWindowHost& windowHost() {
    return gHost != nullptr ? *gHost : headlessWindowHost();
}

void setWindowHost(IWindowHost* host) {
    gHost = host;
}

}  // namespace vorn::ui
