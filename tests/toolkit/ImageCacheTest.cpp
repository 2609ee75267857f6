#include "ui/toolkit/style/ImageCache.h"

#include "ui/toolkit/style/Rgb565.h"

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace v32 {
namespace {

// Collects every message Qt would print while it is alive.
class MessageCapture {
public:
    MessageCapture() {
        s_messages.clear();
        m_previous = qInstallMessageHandler(&MessageCapture::handle);
    }
    ~MessageCapture() { qInstallMessageHandler(m_previous); }

    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    static const QStringList& messages() { return s_messages; }

private:
    static void handle(QtMsgType, const QMessageLogContext&, const QString& message) {
        s_messages.append(message);
    }

    inline static QStringList s_messages;
    QtMessageHandler m_previous = nullptr;
};

// A four-pixel picture: opaque red, translucent green, clear, opaque white.
QImage samplePicture() {
    QImage picture(4, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(255, 0, 0, 255));
    picture.setPixel(1, 0, qRgba(0, 255, 0, 160));
    picture.setPixel(2, 0, qRgba(0, 0, 0, 0));
    picture.setPixel(3, 0, qRgba(255, 255, 255, 255));
    return picture;
}

int largestAlphaDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            largest = std::max(largest, std::abs(qAlpha(a.pixel(x, y)) - qAlpha(b.pixel(x, y))));
        }
    }
    return largest;
}

class ImageCacheTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(m_folder.path()).mkpath(QStringLiteral("RES")));
        ASSERT_TRUE(samplePicture().save(picturePath(), "PNG"));
        QFile broken(m_folder.filePath(QStringLiteral("RES/BROKEN.PNG")));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("not a picture");
    }

    QString picturePath() const { return m_folder.filePath(QStringLiteral("RES/SAMPLE.PNG")); }

    QTemporaryDir m_folder;
};

TEST_F(ImageCacheTest, DecodesEachPictureOnceWhateverThePathLooksLike) {
    const ResourceDisk disk(m_folder.path());
    ImageCache cache(disk);
    const QImage first = cache.image(u"0:res/sample.png");
    ASSERT_EQ(first.size(), QSize(4, 1));
    EXPECT_EQ(first.pixelColor(0, 0), QColor(255, 0, 0));

    // Were the file decoded again, the changed picture would show.
    QImage changed = samplePicture();
    changed.fill(Qt::blue);
    ASSERT_TRUE(changed.save(picturePath(), "PNG"));

    const QImage again = cache.image(u"RES/Sample.PNG");
    EXPECT_EQ(again.cacheKey(), first.cacheKey());
    EXPECT_EQ(cache.recoloured(u"res/sample.png", 0xFFFF).pixelColor(2, 0).alpha(), 0);
}

TEST_F(ImageCacheTest, RecolouringTakesTheColourAndKeepsEachPixelsAlpha) {
    const ResourceDisk disk(m_folder.path());
    ImageCache cache(disk);
    const QImage original = samplePicture();
    for (const std::uint16_t colour : {0xFFFF, 0xF800, 0x07E0, 0x57EF, 0x2DBE}) {
        SCOPED_TRACE(colour);
        const QImage tinted = cache.recoloured(u"0:res/sample.png", colour);
        ASSERT_EQ(tinted.size(), original.size());
        const QColor expected = rgb565ToColor(colour);
        for (int x = 0; x < original.width(); ++x) {
            SCOPED_TRACE(x);
            const int alpha = qAlpha(original.pixel(x, 0));
            const QColor pixel = tinted.pixelColor(x, 0);
            EXPECT_EQ(pixel.alpha(), alpha);
            if (alpha == 0) {
                continue;
            }
            // Translucent pixels are stored premultiplied, so they come back within rounding.
            const int tolerance = alpha == 255 ? 0 : 1;
            EXPECT_NEAR(pixel.red(), expected.red(), tolerance);
            EXPECT_NEAR(pixel.green(), expected.green(), tolerance);
            EXPECT_NEAR(pixel.blue(), expected.blue(), tolerance);
        }
    }
}

TEST_F(ImageCacheTest, KeepsOneRecolouredVariantPerColour) {
    const ResourceDisk disk(m_folder.path());
    ImageCache cache(disk);
    const QImage red = cache.recoloured(u"res/sample.png", 0xF800);
    EXPECT_EQ(cache.recoloured(u"0:RES/SAMPLE.PNG", 0xF800).cacheKey(), red.cacheKey());
    const QImage green = cache.recoloured(u"res/sample.png", 0x07E0);
    EXPECT_NE(green.cacheKey(), red.cacheKey());
    EXPECT_EQ(cache.recoloured(u"res/sample.png", 0xF800).cacheKey(), red.cacheKey());
    EXPECT_EQ(cache.image(u"res/sample.png").pixelColor(1, 0).green(), 255) << "left untinted";
}

TEST_F(ImageCacheTest, AMissingPictureIsANullImageAndNoMessage) {
    const ResourceDisk disk(m_folder.path());
    ImageCache cache(disk);
    const MessageCapture capture;
    EXPECT_TRUE(cache.image(u"0:res/missing.png").isNull());
    EXPECT_TRUE(cache.recoloured(u"0:res/missing.png", 0xFFFF).isNull());
    EXPECT_TRUE(cache.image(u"").isNull());
    EXPECT_TRUE(MessageCapture::messages().isEmpty())
        << MessageCapture::messages().join(u'\n').toStdString();
}

TEST_F(ImageCacheTest, AFileThatIsNoPictureIsANullImage) {
    const ResourceDisk disk(m_folder.path());
    ImageCache cache(disk);
    EXPECT_TRUE(cache.image(u"res/broken.png").isNull());
    EXPECT_TRUE(cache.recoloured(u"res/broken.png", 0xFFFF).isNull());
}

TEST(ImageCacheSelectorArrows, AreDecodedOnceAndMirrorEachOther) {
    const ResourceDisk disk;
    ImageCache cache(disk);
    const QImage left = cache.selectorArrow(SelectorArrow::Left);
    const QImage right = cache.selectorArrow(SelectorArrow::Right);
    ASSERT_FALSE(left.isNull());
    ASSERT_EQ(left.size(), QSize(16, 24));
    ASSERT_EQ(right.size(), left.size());
    EXPECT_EQ(cache.selectorArrow(SelectorArrow::Left).cacheKey(), left.cacheKey());
    EXPECT_EQ(cache.selectorArrow(SelectorArrow::Right).cacheKey(), right.cacheKey());
    // The edges are smoothed a little differently on the two sides, hence not exactly equal.
    EXPECT_LE(largestAlphaDifference(left, right.mirrored(true, false)), 8);
    EXPECT_GT(largestAlphaDifference(left, right), 200) << "the arrows point the same way";
}

} // namespace
} // namespace v32
