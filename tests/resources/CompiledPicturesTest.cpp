#include "ui/resources/ResourceDisk.h"

#include <QDirIterator>
#include <QImage>
#include <gtest/gtest.h>

namespace v32 {
namespace {

enum class Look {
    // White on transparent, so that the screens can draw it in any colour.
    TintableGlyph,
    // Its own colours on transparent.
    Cutout,
    // Its own colours edge to edge.
    Opaque,
};

struct Picture {
    const char* path;
    int width;
    int height;
    Look look;
};

constexpr Look kGlyph = Look::TintableGlyph;
constexpr Look kCutout = Look::Cutout;

// Every picture of the tree with the pixel size that resources/README.md documents.
constexpr Picture kPictures[] = {
    {"res/assets/arrow/img_arrow_down.png", 32, 32, kGlyph},
    {"res/assets/arrow/img_arrow_up.png", 32, 32, kGlyph},
    {"res/common/img_arrow_right.png", 32, 32, kGlyph},
    {"res/common/img_arrow_right_disable.png", 32, 32, kGlyph},
    {"res/common/img_back.png", 48, 48, kGlyph},
    {"res/common/img_close.png", 48, 48, kGlyph},
    {"res/common/img_edit.png", 48, 48, kGlyph},
    {"res/common/img_fullscreen.png", 48, 48, kGlyph},
    {"res/common/img_next_page.png", 48, 48, kGlyph},
    {"res/common/img_offline.png", 48, 48, kGlyph},
    {"res/common/img_online.png", 48, 48, kGlyph},
    {"res/common/img_phase_negative.png", 48, 48, kGlyph},
    {"res/common/img_phase_positive.png", 48, 48, kGlyph},
    {"res/common/img_prev_page.png", 48, 48, kGlyph},
    {"res/common/img_switch.png", 48, 48, kGlyph},
    {"res/common/img_slider_normal.png", 56, 96, kCutout},
    {"res/common/img_slider_small.png", 40, 68, kCutout},
    {"res/common/img_slider_smallest.png", 30, 50, kCutout},
    {"res/media/img_bluetooth.png", 96, 96, kGlyph},
    {"res/media/img_coaxial.png", 96, 96, kGlyph},
    {"res/media/img_optical.png", 96, 96, kGlyph},
    {"res/media/img_disc_body.png", 96, 96, kCutout},
    {"res/media/img_disc_mask.png", 96, 96, kCutout},
    {"res/media/img_disc_tonearm.png", 104, 60, kCutout},
    {"res/media/img_record_small.png", 32, 32, kGlyph},
    {"res/media/img_usb_music.png", 48, 48, kGlyph},
    {"res/media/img_usb_music_small.png", 32, 32, kGlyph},
    {"res/media/png_icon_leave_folder.png", 48, 48, kGlyph},
    {"res/media/png_icon_next_song.png", 64, 64, kGlyph},
    {"res/media/png_icon_pagedown.png", 48, 48, kGlyph},
    {"res/media/png_icon_pageup.png", 48, 48, kGlyph},
    {"res/media/png_icon_pause.png", 64, 64, kGlyph},
    {"res/media/png_icon_play.png", 64, 64, kGlyph},
    {"res/media/png_icon_prev_song.png", 64, 64, kGlyph},
    {"res/media/png_icon_refresh.png", 48, 48, kGlyph},
    {"res/media/png_icon_repeat_all.png", 48, 48, kGlyph},
    {"res/media/png_icon_repeat_one.png", 48, 48, kGlyph},
    {"res/png_icon_back.png", 48, 48, kGlyph},
    {"res/png_pc_conn.png", 48, 48, kGlyph},
    {"res/setting/png_icon_copy.png", 48, 48, kGlyph},
    {"res/setting/png_icon_group.png", 48, 48, kGlyph},
    {"res/setting/png_icon_lang.png", 48, 48, kGlyph},
    {"res/setting/png_icon_lock_scene_key.png", 48, 48, kGlyph},
    {"res/setting/png_icon_mode.png", 48, 48, kGlyph},
    {"res/setting/png_icon_monitor.png", 48, 48, kGlyph},
    {"res/setting/png_icon_network.png", 48, 48, kGlyph},
    {"res/setting/png_icon_ok.png", 48, 48, kGlyph},
    {"res/setting/png_icon_paste.png", 48, 48, kGlyph},
    {"res/setting/png_icon_record.png", 48, 48, kGlyph},
    {"res/setting/png_icon_setting.png", 48, 48, kGlyph},
    {"res/setting/png_icon_wifi_conn.png", 48, 48, kGlyph},
    {"res/setting/png_icon_wifi_disconn.png", 48, 48, kGlyph},
    {"program/app_icon.png", 256, 256, kCutout},
    {"program/splash.png", 640, 360, Look::Opaque},
};

bool onlyWhiteWhereVisible(const QImage& picture) {
    const QImage straight = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < straight.height(); ++y) {
        for (int x = 0; x < straight.width(); ++x) {
            const QRgb pixel = straight.pixel(x, y);
            if (qAlpha(pixel) > 0 && (pixel & RGB_MASK) != (qRgb(255, 255, 255) & RGB_MASK)) {
                return false;
            }
        }
    }
    return true;
}

bool hasVisiblePixels(const QImage& picture) {
    const QImage straight = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < straight.height(); ++y) {
        for (int x = 0; x < straight.width(); ++x) {
            if (qAlpha(straight.pixel(x, y)) > 0) {
                return true;
            }
        }
    }
    return false;
}

// Nothing in this test program registers the tree: it is there because the library
// links it in.
TEST(CompiledPictures, EveryPictureDecodesAsAPngOfItsDocumentedSize) {
    const ResourceDisk disk;
    for (const Picture& picture : kPictures) {
        SCOPED_TRACE(picture.path);
        const std::optional<QByteArray> bytes = disk.read(QString::fromUtf8(picture.path));
        ASSERT_TRUE(bytes.has_value());
        const QImage image = QImage::fromData(*bytes, "PNG");
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(picture.width, picture.height));
        EXPECT_TRUE(hasVisiblePixels(image));
        if (picture.look != Look::Opaque) {
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "the corner must show what lies below";
        }
        if (picture.look == Look::TintableGlyph) {
            EXPECT_TRUE(onlyWhiteWhereVisible(image)) << "a glyph must be white to take a tint";
        }
    }
}

// A picture drawn under a misspelt name would be missing above and stray here.
TEST(CompiledPictures, TheTreeHoldsNoOtherPictures) {
    const ResourceDisk disk;
    int stored = 0;
    for (const char* folder : {"res", "program"}) {
        QDirIterator files(disk.storedPath(QString::fromUtf8(folder)), QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            files.next();
            ++stored;
        }
    }
    EXPECT_EQ(stored, static_cast<int>(std::size(kPictures)));
}

} // namespace
} // namespace v32
