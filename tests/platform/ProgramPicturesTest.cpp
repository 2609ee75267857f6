#include "platform/ProgramPictures.h"

#include <gtest/gtest.h>

namespace v32 {
namespace {

TEST(ProgramPicturesTest, ResourceTreeHoldsTheWindowIconAndTheSplash) {
    EXPECT_FALSE(ProgramPictures::windowIcon().isNull());
    const QPixmap splash = ProgramPictures::splash();
    ASSERT_FALSE(splash.isNull());
    EXPECT_GT(splash.width(), 2 * 12) << "room for both rounded corners";
    EXPECT_GT(splash.height(), 2 * 12);
}

} // namespace
} // namespace v32
