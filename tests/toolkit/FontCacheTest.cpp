#include "ui/toolkit/style/FontCache.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace v32 {
namespace {

// Loading the named fonts changes the application's font; every test leaves it as it was.
class FontCacheTest : public testing::Test {
protected:
    void TearDown() override { QApplication::setFont(m_applicationFont); }

    const ResourceDisk m_compiledTree;

private:
    const QFont m_applicationFont = QApplication::font();
};

TEST_F(FontCacheTest, LoadsTheNamedSizesAndMakesTheMainFontTheDefault) {
    FontCache cache(m_compiledTree);
    ASSERT_TRUE(cache.loadNamedFonts());

    for (const int size : {10, 12, 14, 16, 20, 22, 24, 32}) {
        SCOPED_TRACE(size);
        EXPECT_TRUE(cache.holds(size));
        EXPECT_EQ(cache.fontOfSize(size).pixelSize(), size);
        EXPECT_FALSE(cache.fontOfSize(size).bold());
    }
    for (const int size : {1, 11, 18, 64}) {
        EXPECT_FALSE(cache.holds(size)) << size;
    }
    const QFont main = cache.mainFont();
    EXPECT_TRUE(cache.holds(0));
    EXPECT_EQ(main.pixelSize(), FontCache::kMainFontPixelSize);
    EXPECT_EQ(main.family(), QStringLiteral("Droid Sans Fallback"));
    EXPECT_EQ(QApplication::font(), main);
}

TEST_F(FontCacheTest, TheFirstRequestOfASizeDecidesItsStyle) {
    FontCache cache(m_compiledTree);
    EXPECT_TRUE(cache.fontOfSize(16, true).bold());
    EXPECT_TRUE(cache.fontOfSize(16, false).bold());
    EXPECT_FALSE(cache.fontOfSize(18, false).bold());
    EXPECT_FALSE(cache.fontOfSize(18, true).bold());
    EXPECT_EQ(cache.fontOfSize(18, true).pixelSize(), 18);
}

TEST_F(FontCacheTest, SizesOutsideTheSlotsGiveTheThemeFontAndLeaveTheCacheAlone) {
    FontCache cache(m_compiledTree);
    for (const int size : {0, 65, -1, 1000}) {
        SCOPED_TRACE(size);
        EXPECT_EQ(cache.fontOfSize(size, true), QApplication::font());
    }
    for (int slot = 0; slot < FontCache::kSlotCount; ++slot) {
        EXPECT_FALSE(cache.holds(slot)) << slot;
    }
    EXPECT_EQ(cache.fontOfSize(1).pixelSize(), 1);
    EXPECT_EQ(cache.fontOfSize(64).pixelSize(), 64);
}

TEST_F(FontCacheTest, WithoutAFontFileEverySizeGivesTheThemeFont) {
    const QTemporaryDir emptyFolder;
    const ResourceDisk emptyTree(emptyFolder.path());
    FontCache cache(emptyTree);
    const QFont before = QApplication::font();

    EXPECT_FALSE(cache.loadNamedFonts());
    EXPECT_EQ(QApplication::font(), before);
    EXPECT_EQ(cache.mainFont(), before);
    EXPECT_EQ(cache.fontOfSize(16, true), before);
    EXPECT_FALSE(cache.holds(16));
    EXPECT_FALSE(cache.holds(0));
}

} // namespace
} // namespace v32
