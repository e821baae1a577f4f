#include "ui/qt/QtFonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>

#include "platform/debug/DebugSink.h"
#include "ui/qt/QtPainter.h"

namespace vorn::ui::qt {

int addFontFolder(const std::string& folder) {
    if (folder.empty()) {
        return 0;  // the program adds its fonts itself
    }
    QDir dir(QString::fromStdString(folder));
    if (!dir.exists()) {
        platform::debugPrintf("font folder %s not found", folder.c_str());
        return 0;
    }
    int added = 0;
    const QStringList files = dir.entryList({"*.ttf", "*.otf", "*.ttc", "*.TTF", "*.OTF", "*.TTC"},
                                            QDir::Files, QDir::Name);
    for (const QString& name : files) {
        QString path = dir.filePath(name);
        if (QFontDatabase::addApplicationFont(path) < 0) {
            platform::debugPrintf("font %s could not be loaded; skipped",
                                  path.toUtf8().constData());
            continue;
        }
        ++added;
    }
    return added;
}

UiSize QtTextMeasurer::MeasureText(std::string_view text, const TFontInfo& font, int maxWidth) {
    QFontMetrics m(toQFont(font));
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (maxWidth > 0) {
        QRect r = m.boundingRect(QRect(0, 0, maxWidth, 1 << 20), Qt::TextWordWrap, s);
        return {r.width(), std::max(r.height(), m.height())};
    }
    return {m.horizontalAdvance(s), m.height()};
}

QtTextMeasurer& textMeasurer() {
    static QtTextMeasurer measurer;
    return measurer;
}

}  // namespace vorn::ui::qt
