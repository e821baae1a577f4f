#include "shell_qt/QtFileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace vorn::shell {
namespace {

// "*.png (*.png);;*.* (*.*)": one entry per pattern of the question's filter.
QString qtFilter(const platform::FileQuestion& question) {
    QStringList entries;
    for (const std::string& pattern : platform::filterPatterns(question.filter)) {
        const QString p = QString::fromStdString(pattern);
        entries << QString("%1 (%1)").arg(p);
    }
    return entries.join(";;");
}

}  // namespace

std::optional<std::string> QtFileDialogs::openFile(const platform::FileQuestion& question) {
    const QString file = QFileDialog::getOpenFileName(
        nullptr, QString::fromStdString(question.title), QString(), qtFilter(question));
    if (file.isEmpty()) {
        return std::nullopt;
    }
    return file.toStdString();
}

std::optional<std::string> QtFileDialogs::saveFile(const platform::FileQuestion& question) {
    QString file = QFileDialog::getSaveFileName(nullptr, QString::fromStdString(question.title),
                                                QString(), qtFilter(question));
    if (file.isEmpty()) {
        return std::nullopt;
    }
    if (QFileInfo(file).suffix().isEmpty() && !question.defaultExtension.empty()) {
        file += "." + QString::fromStdString(question.defaultExtension);
    }
    return file.toStdString();
}

}  // namespace vorn::shell
