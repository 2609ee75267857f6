#include "ui/toolkit/style/ImageCache.h"

#include "ui/toolkit/style/Rgb565.h"

#include <QPainter>

namespace v32 {

namespace {

QImage decodePng(QByteArrayView bytes) {
    return QImage::fromData(bytes, "PNG").convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Source-in keeps each pixel's alpha and takes the colour from the fill.
QImage recolour(const QImage& picture, const QColor& colour) {
    QImage tinted = picture.copy();
    QPainter painter(&tinted);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(tinted.rect(), colour);
    return tinted;
}

} // namespace

ImageCache::ImageCache(const ResourceDisk& disk)
    : m_disk(disk) {}

QImage ImageCache::image(QStringView path) {
    const QString stored = m_disk.storedPath(path);
    return stored.isEmpty() ? QImage() : decoded(stored, path);
}

QImage ImageCache::recoloured(QStringView path, std::uint16_t colour) {
    const QString stored = m_disk.storedPath(path);
    if (stored.isEmpty()) {
        return {};
    }
    const std::pair key(stored, colour);
    auto tinted = m_recolouredByStoredPathAndColour.constFind(key);
    if (tinted == m_recolouredByStoredPathAndColour.constEnd()) {
        const QImage picture = decoded(stored, path);
        tinted = m_recolouredByStoredPathAndColour.insert(
            key, picture.isNull() ? QImage() : recolour(picture, rgb565ToColor(colour)));
    }
    return *tinted;
}

QImage ImageCache::selectorArrow(SelectorArrow arrow) {
    QImage& arrowImage = m_selectorArrows[arrow == SelectorArrow::Left ? 0 : 1];
    if (arrowImage.isNull()) {
        arrowImage = decodePng(selectorArrowPng(arrow));
    }
    return arrowImage;
}

QImage ImageCache::decoded(const QString& storedPath, QStringView path) {
    auto picture = m_decodedByStoredPath.constFind(storedPath);
    if (picture == m_decodedByStoredPath.constEnd()) {
        // A file that does not decode is remembered as a null image, so it is read once.
        const std::optional<QByteArray> bytes = m_disk.read(path);
        picture = m_decodedByStoredPath.insert(storedPath, bytes ? decodePng(*bytes) : QImage());
    }
    return *picture;
}

} // namespace v32
