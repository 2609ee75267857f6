#include "ui/toolkit/style/FontCache.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>

namespace v32 {

namespace {

// The main font comes last, so that every other size is ready when it becomes the default.
constexpr std::array kNamedFontPixelSizes{10, 12, 14, 16, 24, 32, 20, 22};

QFont themeFont() {
    return QApplication::font();
}

} // namespace

FontCache::FontCache(const ResourceDisk& disk)
    : m_disk(disk) {}

FontCache::~FontCache() {
    if (m_applicationFontId >= 0) {
        QFontDatabase::removeApplicationFont(m_applicationFontId);
    }
}

bool FontCache::loadNamedFonts() {
    for (const int pixelSize : kNamedFontPixelSizes) {
        fontOfSize(pixelSize);
    }
    m_slots[0] = m_slots[kMainFontPixelSize];
    if (!m_slots[0]) {
        return false;
    }
    QApplication::setFont(*m_slots[0]);
    return true;
}

QFont FontCache::fontOfSize(int pixelSize, bool bold) {
    if (pixelSize < 1 || pixelSize >= kSlotCount) {
        return themeFont();
    }
    std::optional<QFont>& slot = m_slots[static_cast<std::size_t>(pixelSize)];
    if (!slot) {
        slot = loadFont(pixelSize, bold);
    }
    return slot.value_or(themeFont());
}

QFont FontCache::mainFont() const {
    return m_slots[0].value_or(themeFont());
}

bool FontCache::holds(int slot) const {
    return slot >= 0 && slot < kSlotCount && m_slots[static_cast<std::size_t>(slot)].has_value();
}

std::optional<QFont> FontCache::loadFont(int pixelSize, bool bold) {
    const QString& family = fontFamily();
    if (family.isEmpty()) {
        return std::nullopt;
    }
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// The font file is read and registered on the first load only; a file that fails once is
// not tried again.
const QString& FontCache::fontFamily() {
    if (m_applicationFontId == kNotRegistered) {
        m_applicationFontId = registerFontFile();
        if (m_applicationFontId >= 0) {
            m_family = QFontDatabase::applicationFontFamilies(m_applicationFontId).value(0);
        }
    }
    return m_family;
}

int FontCache::registerFontFile() const {
    const QString path = m_disk.fontFilePath();
    const std::optional<QByteArray> bytes = path.isEmpty() ? std::nullopt : m_disk.read(path);
    if (!bytes) {
        return -1;
    }
    return QFontDatabase::addApplicationFontFromData(*bytes);
}

} // namespace v32
