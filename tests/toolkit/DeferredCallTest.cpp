#include "ui/toolkit/framework/DeferredCall.h"

#include <QObject>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace v32 {
namespace {

TEST(DeferredCallTest, RunsOnceAfterItsDelayAndNotBefore) {
    QObject context;
    int calls = 0;
    deferCall(30, &context, [&calls] { ++calls; });
    EXPECT_EQ(calls, 0) << "nothing runs before the event loop does";
    EXPECT_TRUE(QTest::qWaitFor([&calls] { return calls > 0; }, 2000));
    QTest::qWait(50);
    EXPECT_EQ(calls, 1);
}

TEST(DeferredCallTest, ACallWhoseContextIsGoneIsDropped) {
    auto context = std::make_unique<QObject>();
    bool called = false;
    deferCall(1, context.get(), [&called] { called = true; });
    context.reset();
    QTest::qWait(30);
    EXPECT_FALSE(called);
}

} // namespace
} // namespace v32
