#pragma once

#include "ui/resources/ResourceDisk.h"

#include <QFont>
#include <QString>
#include <array>
#include <optional>

namespace v32 {

// The interface's fonts: one TrueType file from the resource tree, at pixel sizes 1 to 64,
// each loaded on first use and kept. Slot 0 holds the main font, the 22-pixel one.
class FontCache {
public:
    static constexpr int kSlotCount = 65;
    static constexpr int kMainFontPixelSize = 22;

    explicit FontCache(const ResourceDisk& disk);
    ~FontCache();

    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    // Loads the sizes the screens use and makes the 22-pixel font the main font and the
    // application's default. False when the font file cannot be loaded; every size then
    // gives the theme font.
    bool loadNamedFonts();

    // The font of that pixel size. A size is loaded once, in the style of its first
    // request. Sizes outside 1 to 64, and a font file that cannot be loaded, give the theme
    // font and leave the cache as it was.
    QFont fontOfSize(int pixelSize, bool bold = false);

    // The 22-pixel font once the named fonts are loaded, the theme font before.
    QFont mainFont() const;

    // Whether the slot holds a loaded font.
    bool holds(int slot) const;

private:
    std::optional<QFont> loadFont(int pixelSize, bool bold);
    const QString& fontFamily();
    int registerFontFile() const;

    static constexpr int kNotRegistered = -2;

    const ResourceDisk& m_disk;
    std::array<std::optional<QFont>, kSlotCount> m_slots;
    int m_applicationFontId = kNotRegistered;
    QString m_family;
};

} // namespace v32
