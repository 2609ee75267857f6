#pragma once

#include "ui/resources/EmbeddedPictures.h"
#include "ui/resources/ResourceDisk.h"

#include <QHash>
#include <QImage>
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <utility>

namespace v32 {

// The pictures of the resource tree, each decoded once on first use, and their recoloured
// variants, each made once per colour, so that drawing never decodes or tints again.
// Images are premultiplied ARGB, the format QPainter draws fastest.
class ImageCache {
public:
    explicit ImageCache(const ResourceDisk& disk);

    // The picture at a volume path ("0:res/..." or "res/..."), or a null image when the
    // tree has no such picture.
    QImage image(QStringView path);

    // The picture with every pixel in the 5-6-5 colour and its own alpha: the screens draw
    // the white glyphs in the colour of their state this way.
    QImage recoloured(QStringView path, std::uint16_t colour);

    // The channel selector's arrows, decoded once from the bytes the program carries.
    QImage selectorArrow(SelectorArrow arrow);

private:
    // The decoded picture stored at storedPath, which the volume path names.
    QImage decoded(const QString& storedPath, QStringView path);

    const ResourceDisk& m_disk;
    QHash<QString, QImage> m_decodedByStoredPath;
    QHash<std::pair<QString, std::uint16_t>, QImage> m_recolouredByStoredPathAndColour;
    std::array<QImage, 2> m_selectorArrows;
};

} // namespace v32
