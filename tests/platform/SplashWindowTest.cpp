#include "platform/SplashWindow.h"

#include <QPixmap>
#include <gtest/gtest.h>

namespace v32 {
namespace {

TEST(SplashWindowTest, HasThePicturesSizeAndRoundedCorners) {
    QPixmap picture(400, 240);
    picture.fill(Qt::darkBlue);
    const SplashWindow splash(picture);

    EXPECT_EQ(splash.size(), QSize(400, 240));
    const QRegion shape = splash.mask();
    for (const QPoint corner : {QPoint(0, 0), QPoint(399, 0), QPoint(0, 239), QPoint(399, 239),
                                QPoint(2, 2), QPoint(397, 237)}) {
        EXPECT_FALSE(shape.contains(corner)) << corner.x() << ", " << corner.y();
    }
    for (const QPoint inside :
         {QPoint(200, 120), QPoint(12, 0), QPoint(0, 12), QPoint(387, 239), QPoint(8, 8)}) {
        EXPECT_TRUE(shape.contains(inside)) << inside.x() << ", " << inside.y();
    }
}

} // namespace
} // namespace v32
