#include "ui/qt/QtPainter.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainterPath>
#include <QSvgRenderer>

#include <map>
#include <mutex>

namespace vorn::ui::qt {

QColor toQColor(UiColor c) {
    return QColor(int((c >> 16) & 0xFF), int((c >> 8) & 0xFF), int(c & 0xFF), int(c >> 24));
}

QRect toQRect(const UiRect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

QFont toQFont(const TFontInfo& f) {
    QFont font;
    if (!f.sFontName.empty()) {
        font.setFamily(QString::fromStdString(f.sFontName));
    }
    font.setPixelSize(f.iSize > 0 ? f.iSize : 13);
    font.setBold(f.bBold);
    font.setUnderline(f.bUnderline);
    font.setItalic(f.bItalic);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

namespace {

std::mutex gCacheMutex;
std::map<std::pair<std::string, std::pair<int, int>>, QImage> gCache;

bool isSvg(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).suffix().compare("svg", Qt::CaseInsensitive) ==
           0;
}

QImage renderSvg(const std::string& path, QSize size) {
    QSvgRenderer renderer(QString::fromStdString(path));
    if (!renderer.isValid()) {
        return {};
    }
    if (!size.isValid() || size.isEmpty()) {
        size = renderer.defaultSize();
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p);
    return image;
}

Qt::Alignment alignmentOf(unsigned format) {
    Qt::Alignment a;
    a |= (format & DT_CENTER) != 0 ? Qt::AlignHCenter
                                   : ((format & DT_RIGHT) != 0 ? Qt::AlignRight : Qt::AlignLeft);
    a |= (format & DT_VCENTER) != 0 ? Qt::AlignVCenter
                                    : ((format & DT_BOTTOM) != 0 ? Qt::AlignBottom : Qt::AlignTop);
    return a;
}

// Draws src into dst keeping the corners of a nine-patch unscaled.
void drawNinePatch(QPainter& p, const QRect& dst, const QImage& src, const UiRect& c, bool hole) {
    int l = c.left, t = c.top, r = c.right, b = c.bottom;
    int sw = src.width(), sh = src.height();
    int dw = dst.width(), dh = dst.height();
    auto part = [&](int sx, int sy, int sW, int sH, int dx, int dy, int dW, int dH) {
        if (sW > 0 && sH > 0 && dW > 0 && dH > 0) {
            p.drawImage(QRect(dst.left() + dx, dst.top() + dy, dW, dH), src, QRect(sx, sy, sW, sH));
        }
    };
    part(0, 0, l, t, 0, 0, l, t);
    part(l, 0, sw - l - r, t, l, 0, dw - l - r, t);
    part(sw - r, 0, r, t, dw - r, 0, r, t);
    part(0, t, l, sh - t - b, 0, t, l, dh - t - b);
    if (!hole) {
        part(l, t, sw - l - r, sh - t - b, l, t, dw - l - r, dh - t - b);
    }
    part(sw - r, t, r, sh - t - b, dw - r, t, r, dh - t - b);
    part(0, sh - b, l, b, 0, dh - b, l, b);
    part(l, sh - b, sw - l - r, b, l, dh - b, dw - l - r, b);
    part(sw - r, sh - b, r, b, dw - r, dh - b, r, b);
}

}  // namespace

QImage loadImage(const std::string& path, QSize size) {
    bool svg = isSvg(path);
    auto key = std::make_pair(
        path, svg ? std::make_pair(size.width(), size.height()) : std::make_pair(0, 0));
    {
        std::lock_guard lock(gCacheMutex);
        auto it = gCache.find(key);
        if (it != gCache.end()) {
            return it->second;
        }
    }
    QImage image;
    if (svg) {
        image = renderSvg(path, size);
    } else {
        QImageReader reader(QString::fromStdString(path));
        image = reader.read();
        if (!image.isNull()) {
            image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        }
    }
    if (!image.isNull()) {
        std::lock_guard lock(gCacheMutex);
        gCache[key] = image;
    }
    return image;
}

void clearImageCache() {
    std::lock_guard lock(gCacheMutex);
    gCache.clear();
}

QImage selectSource(const QImage& image, const TDrawInfo& info) {
    QImage out = image;
    const UiRect& s = info.rcSource;
    if (s.left != 0 || s.top != 0 || s.right != 0 || s.bottom != 0) {
        QRect src(s.left, s.top, std::min(s.right, image.width()) - s.left,
                  std::min(s.bottom, image.height()) - s.top);
        out = image.copy(src);
    }
    if (info.dwMask != 0) {
        QImage masked = out.convertToFormat(QImage::Format_ARGB32);
        QRgb mask = info.dwMask & 0x00FFFFFFu;
        for (int y = 0; y < masked.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
            for (int x = 0; x < masked.width(); ++x) {
                if ((line[x] & 0x00FFFFFFu) == mask) {
                    line[x] = 0;
                }
            }
        }
        out = masked.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    return out;
}

QtPainter::QtPainter(QPainter& painter) : p_(painter) {
    p_.setRenderHint(QPainter::Antialiasing, true);
    p_.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p_.setRenderHint(QPainter::TextAntialiasing, true);
}

void QtPainter::fillRect(const UiRect& rect, UiColor color) {
    p_.fillRect(toQRect(rect), toQColor(color));
}

void QtPainter::fillGradient(const UiRect& rect, UiColor from, UiColor to, bool vertical) {
    QRect r = toQRect(rect);
    QLinearGradient g(r.topLeft(), vertical ? r.bottomLeft() : r.topRight());
    g.setColorAt(0, toQColor(from));
    g.setColorAt(1, toQColor(to));
    p_.fillRect(r, g);
}

void QtPainter::drawRect(const UiRect& rect, int width, UiColor color, int radius) {
    if (width <= 0) {
        return;
    }
    QPen pen(toQColor(color), width);
    pen.setJoinStyle(Qt::MiterJoin);
    p_.save();
    p_.setPen(pen);
    p_.setBrush(Qt::NoBrush);
    qreal half = width / 2.0;
    QRectF r = QRectF(toQRect(rect)).adjusted(half, half, -half, -half);
    if (radius > 0) {
        p_.drawRoundedRect(r, radius - half, radius - half);
    } else {
        p_.drawRect(r);
    }
    p_.restore();
}

void QtPainter::fillRoundRect(const UiRect& rect, int radius, UiColor color) {
    p_.save();
    p_.setPen(Qt::NoPen);
    p_.setBrush(toQColor(color));
    p_.drawRoundedRect(QRectF(toQRect(rect)), radius, radius);
    p_.restore();
}

void QtPainter::drawLine(UiPoint from, UiPoint to, int width, UiColor color) {
    p_.save();
    p_.setPen(QPen(toQColor(color), width));
    p_.drawLine(from.x, from.y, to.x, to.y);
    p_.restore();
}

void QtPainter::fillEllipse(const UiRect& bounds, UiColor color) {
    p_.save();
    p_.setPen(Qt::NoPen);
    p_.setBrush(toQColor(color));
    p_.drawEllipse(toQRect(bounds));
    p_.restore();
}

void QtPainter::fillPie(const UiRect& bounds, int startDegrees, int sweepDegrees, UiColor color) {
    if (sweepDegrees == 0) {
        return;
    }
    p_.save();
    p_.setPen(Qt::NoPen);
    p_.setBrush(toQColor(color));
    // Qt measures angles counter-clockwise in 1/16 degree; ours run clockwise.
    p_.drawPie(toQRect(bounds), -startDegrees * 16, -sweepDegrees * 16);
    p_.restore();
}

void QtPainter::drawText(const UiRect& rect, std::string_view text, UiColor color,
                         const TFontInfo& font, unsigned format) {
    if (text.empty() || (color >> 24) == 0) {
        return;
    }
    QFont f = toQFont(font);
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QRect r = toQRect(rect);
    int flags = static_cast<int>(alignmentOf(format));
    if ((format & DT_WORDBREAK) != 0 && (format & DT_SINGLELINE) == 0) {
        flags |= Qt::TextWordWrap;
    } else if ((format & DT_END_ELLIPSIS) != 0) {
        s = QFontMetrics(f).elidedText(s, Qt::ElideRight, r.width());
    }
    p_.save();
    p_.setFont(f);
    p_.setPen(toQColor(color));
    p_.drawText(r, flags, s);
    p_.restore();
}

UiSize QtPainter::measureText(std::string_view text, const TFontInfo& font, int maxWidth) {
    QFontMetrics m(toQFont(font));
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QRect r = maxWidth > 0 ? m.boundingRect(QRect(0, 0, maxWidth, 100000), Qt::TextWordWrap, s)
                           : m.boundingRect(s);
    return {maxWidth > 0 ? r.width() : m.horizontalAdvance(s), std::max(r.height(), m.height())};
}

bool QtPainter::drawImage(const std::string& path, const UiRect& dest, const TDrawInfo& info) {
    QRect d = toQRect(dest);
    bool whole = info.rcSource.left == 0 && info.rcSource.top == 0 && info.rcSource.right == 0 &&
                 info.rcSource.bottom == 0;
    bool plainStretch = info.rcCorner.left == 0 && info.rcCorner.top == 0 &&
                        info.rcCorner.right == 0 && info.rcCorner.bottom == 0 && !info.bTiledX &&
                        !info.bTiledY;
    // SVGs drawn whole and stretched are rendered at the destination size (sharp).
    QImage image = loadImage(path, (whole && plainStretch) ? d.size() : QSize());
    if (image.isNull()) {
        return false;
    }
    image = selectSource(image, info);
    p_.save();
    p_.setOpacity(info.uFade / 255.0);
    if (!plainStretch && (info.bTiledX || info.bTiledY)) {
        QImage tile = image.scaled(info.bTiledX ? image.width() : d.width(),
                                   info.bTiledY ? image.height() : d.height());
        p_.drawTiledPixmap(d, QPixmap::fromImage(tile));
    } else if (!plainStretch) {
        drawNinePatch(p_, d, image, info.rcCorner, info.bHole);
    } else {
        p_.drawImage(d, image);
    }
    p_.restore();
    return true;
}

bool QtPainter::drawTintedImage(const std::string& path, const UiRect& dest, const TDrawInfo& info,
                                UiColor tint, int brightness) {
    QRect d = toQRect(dest);
    if (d.isEmpty()) {
        return false;
    }
    QImage image = loadImage(path, d.size());
    if (image.isNull()) {
        return false;
    }
    image =
        selectSource(image, info).scaled(d.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // The tint at the brightness replaces the colours; the image's alpha stays.
    int level = std::clamp(brightness, 0, 255);
    QColor c = toQColor(tint | 0xFF000000u);
    QColor shaded(c.red() * level / 255, c.green() * level / 255, c.blue() * level / 255);
    QImage tinted(image.size(), QImage::Format_ARGB32_Premultiplied);
    tinted.fill(Qt::transparent);
    {
        QPainter tp(&tinted);
        tp.drawImage(0, 0, image);
        tp.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tp.fillRect(tinted.rect(), shaded);
    }
    p_.save();
    p_.setOpacity(info.uFade / 255.0);
    p_.drawImage(d, tinted);
    p_.restore();
    return true;
}

void QtPainter::pushClip(const UiRect& rect) {
    p_.save();
    p_.setClipRect(toQRect(rect), Qt::IntersectClip);
    ++depth_;
}

void QtPainter::popClip() {
    if (depth_ > 0) {
        p_.restore();
        --depth_;
    }
}

}  // namespace vorn::ui::qt
