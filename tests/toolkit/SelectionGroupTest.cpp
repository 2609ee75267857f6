#include "ui/toolkit/framework/SelectionGroup.h"

#include "Touch.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace v32 {
namespace {

class SelectionGroupTest : public testing::Test {
protected:
    SelectionGroupTest() {
        parent.resize(400, 100);
        for (int index = 0; index < 3; ++index) {
            tabs[index] = new StyledWidget(&parent, QSize(60, 40));
            tabs[index]->move(index * 70, 0);
        }
        parent.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&parent));
    }

    static bool isChecked(const QWidget* widget) { return widget->property("checked").toBool(); }

    // A click as the finger gives it: through the window, onto the member's middle.
    void touch(QWidget* widget) { v32::touch(parent, *widget); }

    QWidget parent;
    StyledWidget* tabs[3]{};
    std::vector<QWidget*> reported;
};

TEST_F(SelectionGroupTest, ClickingChecksTheMemberUnchecksThePreviousAndReports) {
    SelectionGroup group(std::vector<QWidget*>{tabs[0], tabs[1], tabs[2]});
    QObject::connect(&group, &SelectionGroup::memberChosen,
                     [this](QWidget* selected) { reported.push_back(selected); });
    QSignalSpy firstChanged(tabs[0], &StyledWidget::checkedChanged);

    touch(tabs[0]);
    touch(tabs[2]);

    EXPECT_EQ(reported, (std::vector<QWidget*>{tabs[0], tabs[2]}));
    EXPECT_EQ(group.selected(), tabs[2]);
    EXPECT_FALSE(isChecked(tabs[0]));
    EXPECT_FALSE(isChecked(tabs[1]));
    EXPECT_TRUE(isChecked(tabs[2]));
    EXPECT_EQ(firstChanged.count(), 2) << "the old member hears that it changed";
}

TEST_F(SelectionGroupTest, ClickingTheSelectedMemberReportsItAgain) {
    SelectionGroup group(std::vector<QWidget*>{tabs[0], tabs[1]});
    QObject::connect(&group, &SelectionGroup::memberChosen,
                     [this](QWidget* selected) { reported.push_back(selected); });
    touch(tabs[1]);
    touch(tabs[1]);
    EXPECT_EQ(reported, (std::vector<QWidget*>{tabs[1], tabs[1]}));
    EXPECT_TRUE(isChecked(tabs[1]));
}

TEST_F(SelectionGroupTest, AbsentMembersAreCountedOutAndLaterFilled) {
    SelectionGroup group(std::vector<QWidget*>{nullptr, tabs[1], nullptr});
    EXPECT_EQ(group.size(), 3);
    EXPECT_EQ(group.liveCount(), 1);
    touch(tabs[0]);
    EXPECT_EQ(group.selected(), nullptr) << "a widget outside the group is not selected";

    group.replaceMembers(std::vector<QWidget*>{tabs[0], tabs[2], tabs[2], nullptr});
    EXPECT_EQ(group.size(), 4);
    EXPECT_EQ(group.liveCount(), 3);
    EXPECT_EQ(group.member(0), tabs[0]);
    EXPECT_EQ(group.member(1), tabs[1]) << "a present member keeps its place";
    EXPECT_EQ(group.member(2), tabs[2]);
    EXPECT_EQ(group.member(3), nullptr);
    touch(tabs[0]);
    EXPECT_EQ(group.selected(), tabs[0]);
}

TEST_F(SelectionGroupTest, ADeletedMemberLeavesAnEmptyPlace) {
    SelectionGroup group(std::vector<QWidget*>{tabs[0], tabs[1]});
    touch(tabs[1]);
    delete tabs[1];
    EXPECT_EQ(group.liveCount(), 1);
    EXPECT_EQ(group.selected(), nullptr);
    touch(tabs[0]);
    EXPECT_EQ(group.selected(), tabs[0]);
}

TEST_F(SelectionGroupTest, EmptyingTheGroupStopsItsClicks) {
    SelectionGroup group(std::vector<QWidget*>{tabs[0], tabs[1]});
    QObject::connect(&group, &SelectionGroup::memberChosen,
                     [this](QWidget* selected) { reported.push_back(selected); });
    group.replaceMembers({});
    EXPECT_EQ(group.size(), 0);
    touch(tabs[0]);
    EXPECT_TRUE(reported.empty());
    EXPECT_FALSE(isChecked(tabs[0]));
}

TEST_F(SelectionGroupTest, SelectingFromTheProgramDoesNotReport) {
    SelectionGroup group(std::vector<QWidget*>{tabs[0], tabs[1]});
    QObject::connect(&group, &SelectionGroup::memberChosen,
                     [this](QWidget* selected) { reported.push_back(selected); });
    group.select(tabs[1]);
    EXPECT_TRUE(isChecked(tabs[1]));
    group.select(tabs[0]);
    EXPECT_FALSE(isChecked(tabs[1]));
    EXPECT_TRUE(isChecked(tabs[0]));
    group.select(nullptr);
    EXPECT_FALSE(isChecked(tabs[0]));
    EXPECT_EQ(group.selected(), nullptr);
    EXPECT_TRUE(reported.empty());
}

TEST_F(SelectionGroupTest, QtButtonsTakePartThroughTheirCheckedState) {
    auto* button = new QPushButton(QStringLiteral("B"), &parent);
    button->setGeometry(300, 0, 60, 40);
    button->show();
    SelectionGroup group(std::vector<QWidget*>{tabs[0], button});
    touch(tabs[0]);
    touch(button);
    EXPECT_TRUE(button->isChecked());
    EXPECT_FALSE(isChecked(tabs[0]));
    touch(button);
    EXPECT_TRUE(button->isChecked()) << "a second click does not uncheck the selected one";
}

} // namespace
} // namespace v32
