#include "ui/toolkit/framework/PageContainer.h"

#include "RecordingPage.h"
#include "ui/toolkit/framework/PageHost.h"
#include "ui/toolkit/framework/PageRegistry.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace v32 {
namespace {

class PageContainerTest : public testing::Test {
protected:
    PageContainerTest() {
        registry.install(PageId::BriefCont, recordingFactory(journal));
        registry.install(PageId::EditCont, recordingFactory(journal));
        host.setContainers({&container});
        host.resize(800, 600);
        host.show();
    }

    // Pages discarded on leave go at the next turn of the event loop.
    static void runDeferredDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QStringList takeJournal() { return std::exchange(journal, {}); }

    QStringList journal;
    PageRegistry registry;
    PageHost host;
    PageContainer container{registry, {PageId::BriefCont, PageId::EditCont, PageId::Home}, &host};
};

TEST(PageRegistryTest, KnowsEveryPageByNumberAndName) {
    const PageRegistry registry;
    const struct {
        int id;
        const char* name;
    } pages[] = {
        {1, "home"},         {2, "brief_cont"},      {3, "brief_channel"},      {4, "brief_fader"},
        {5, "edit_cont"},    {6, "edit_input"},      {7, "edit_efx"},           {8, "edit_output"},
        {9, "edit_dca"},     {14, "player"},         {15, "setting"},           {16, "set_scene"},
        {17, "set_copy"},    {19, "set_mute_group"}, {20, "set_phantom_group"}, {21, "set_record"},
        {22, "set_phones"},  {23, "set_monitor"},    {24, "network"},           {25, "signal"},
        {26, "lamp"},        {28, "set_input"},      {29, "set_output"},        {31, "set_sys"},
        {33, "factory_mode"}};
    for (const auto& page : pages) {
        const PageDescriptor* descriptor = registry.descriptor(page.id);
        ASSERT_NE(descriptor, nullptr) << page.id;
        EXPECT_STREQ(descriptor->name, page.name);
        EXPECT_EQ(static_cast<int>(descriptor->id), page.id);
        EXPECT_FALSE(descriptor->create) << "no page is built until a screen installs it";
    }
    for (const int missing : {-1, 0, 10, 11, 12, 13, 18, 27, 30, 32, 34, 1000}) {
        EXPECT_EQ(registry.descriptor(missing), nullptr) << missing;
    }
}

TEST_F(PageContainerTest, FirstOpeningCreatesEntersAndOpensInThatOrder) {
    container.open(PageId::BriefCont, OpenArgument::tab(7));

    EXPECT_EQ(takeJournal(), QStringList({"2:create", "2:enter", "2:open(7)"}));
    ASSERT_NE(container.currentPage(), nullptr);
    EXPECT_EQ(container.currentPageId(), PageId::BriefCont);
    EXPECT_STREQ(container.currentDescriptor()->name, "brief_cont");
    EXPECT_TRUE(container.currentPage()->isVisible());
    EXPECT_EQ(container.currentPage()->geometry(), container.rect());
}

TEST_F(PageContainerTest, TheNoArgumentValueOpensNothing) {
    EXPECT_EQ(kNoArgument, static_cast<std::int32_t>(0x80000000u));
    container.open(PageId::BriefCont, OpenArgument::nothing());
    EXPECT_EQ(takeJournal(), QStringList({"2:create", "2:enter"}));

    container.open(PageId::BriefCont, OpenArgument::nothing());
    EXPECT_TRUE(takeJournal().isEmpty()) << "the current page with no argument hears nothing";

    container.open(PageId::BriefCont, OpenArgument::ownChoice());
    EXPECT_EQ(takeJournal(), QStringList({"2:open(-1)"})) << "the current page is only opened";
}

TEST_F(PageContainerTest, SwitchingLeavesAndHidesTheOldPageAndKeepsIt) {
    container.open(PageId::BriefCont, OpenArgument::tab(0));
    Page* first = container.currentPage();
    container.open(PageId::EditCont, OpenArgument::tab(3));
    EXPECT_EQ(takeJournal(), QStringList({"2:create", "2:enter", "2:open(0)", "5:create", "2:leave",
                                          "5:enter", "5:open(3)"}))
        << "the new page is built before the old one is left";
    EXPECT_FALSE(first->isVisible());

    container.open(PageId::BriefCont, OpenArgument::tab(1));
    EXPECT_EQ(takeJournal(), QStringList({"5:leave", "2:enter", "2:open(1)"}))
        << "a kept page is not created again";
    EXPECT_EQ(container.currentPage(), first);
    EXPECT_TRUE(first->isVisible());
}

TEST_F(PageContainerTest, APageDiscardedOnLeaveIsDeletedAfterItsLeaveAndBuiltAnew) {
    container.setDiscardOnLeave(PageId::BriefCont, true);
    container.open(PageId::BriefCont, OpenArgument::nothing());
    QPointer<Page> discarded = container.currentPage();
    container.open(PageId::EditCont, OpenArgument::nothing());
    EXPECT_EQ(takeJournal(),
              QStringList({"2:create", "2:enter", "5:create", "2:leave", "5:enter"}));
    EXPECT_EQ(container.page(PageId::BriefCont), nullptr);
    runDeferredDeletes();
    EXPECT_TRUE(discarded.isNull());

    container.open(PageId::BriefCont, OpenArgument::nothing());
    EXPECT_EQ(takeJournal(), QStringList({"2:create", "5:leave", "2:enter"}));
    EXPECT_NE(container.page(PageId::BriefCont), nullptr);
    EXPECT_NE(container.page(PageId::EditCont), nullptr) << "pages without the mark stay";
}

TEST_F(PageContainerTest, DiscardingTheCurrentPageLeavesNoCurrentPage) {
    container.open(PageId::BriefCont, OpenArgument::nothing());
    container.discardPage(PageId::BriefCont);
    runDeferredDeletes();
    EXPECT_EQ(container.currentPage(), nullptr);
    EXPECT_FALSE(container.currentPageId().has_value());
    takeJournal();

    container.open(PageId::BriefCont, OpenArgument::tab(4));
    EXPECT_EQ(takeJournal(), QStringList({"2:create", "2:enter", "2:open(4)"}));
}

TEST_F(PageContainerTest, UnlistedAndUnbuiltPagesAreNotShownAndNothingCloses) {
    QSignalSpy switches(&registry, &PageRegistry::pageSwitchStarting);
    container.open(PageId::BriefCont, OpenArgument::nothing());
    takeJournal();
    ASSERT_EQ(switches.count(), 1);

    container.open(PageId::Setting,
                   OpenArgument::tab(0)); // registered and built, but not listed here
    registry.install(PageId::Setting, recordingFactory(journal));
    container.open(PageId::Setting, OpenArgument::tab(0));
    container.open(PageId::Home, OpenArgument::tab(0)); // listed, but no screen builds it
    EXPECT_TRUE(takeJournal().isEmpty());
    EXPECT_EQ(container.currentPageId(), PageId::BriefCont);
    EXPECT_EQ(switches.count(), 1) << "a refused opening closes nothing";

    container.open(PageId::BriefCont, OpenArgument::tab(2));
    EXPECT_EQ(switches.count(), 2) << "reopening the current page closes what belongs to it";
}

TEST_F(PageContainerTest, TheHostOpensByContainerIndexAndIgnoresOthers) {
    EXPECT_EQ(host.open(0, PageId::EditCont, OpenArgument::tab(9)), &container);
    EXPECT_EQ(host.currentPage(0), container.currentPage());
    EXPECT_EQ(host.open(1, PageId::BriefCont, OpenArgument::tab(9)), nullptr);
    EXPECT_EQ(host.open(-1, PageId::BriefCont, OpenArgument::tab(9)), nullptr);
    EXPECT_EQ(host.currentPage(1), nullptr);
    EXPECT_EQ(takeJournal(), QStringList({"5:create", "5:enter", "5:open(9)"}));
}

} // namespace
} // namespace v32
