#include "shell_qt/QtFontRegistry.h"

#include <QFontDatabase>
#include <QString>

namespace vorn::shell {

int QtFontRegistry::add(const std::string& path) {
    return QFontDatabase::addApplicationFont(QString::fromStdString(path));
}

void QtFontRegistry::remove(int handle) {
    QFontDatabase::removeApplicationFont(handle);
}

}  // namespace vorn::shell
