#include "HomeRig.h"

#include "ui/pages/home/BankCell.h"
#include "ui/pages/home/BankGrid.h"
#include "ui/pages/home/BankOverviewPage.h"
#include "ui/pages/home/BriefContPage.h"
#include "ui/toolkit/framework/Page.h"

#include <QTest>

namespace v32 {

namespace {

// Stands in for the channel editor and notes each opening.
class EditorStandIn : public Page {
public:
    EditorStandIn(QWidget* parent, QStringList& openings)
        : Page(parent)
        , m_openings(openings) {}
    void open(const OpenArgument& argument) override {
        m_openings << QString::number(argument.number());
    }

private:
    QStringList& m_openings;
};

} // namespace

HomeRig::HomeRig() {
    screenSet.install(registry);
    registry.install(PageId::EditCont, [this](QWidget* container, PageId) {
        return new EditorStandIn(container, editorOpenings);
    });
}

void HomeRig::buildRoot(bool globalBar) {
    if (root) {
        return;
    }
    root = std::make_unique<RootScreen>(RootScreenSetup{registry, clock, fonts, images, pinyin,
                                                        TextEntryMode::NativeBox, globalBar});
    screenSet.attach(*root);
    hooks = screenSet.hooks();
    root->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(root.get()));
}

HomeRig::~HomeRig() {
    screenSet.detach();
}

void HomeRig::openHome() {
    buildRoot();
    root->openPage(PageId::Home);
}

BankOverviewPage& HomeRig::overview() const {
    auto* page = root->findChild<BankOverviewPage*>();
    EXPECT_NE(page, nullptr);
    return *page;
}

BriefContPage& HomeRig::tabs() const {
    auto* page = root->findChild<BriefContPage*>();
    EXPECT_NE(page, nullptr);
    return *page;
}

BankCell& HomeRig::cell(int index) const {
    return overview().grid().cell(index);
}

void HomeRig::openOverview(int slot) {
    openHome();
    home.navigation().openPage(PageId::BriefChannel, slot >= 0 ? OpenArgument::channelSlot(slot)
                                                               : OpenArgument::ownChoice());
}

int HomeRig::pendingCount() const {
    int count = 0;
    for (int id = 0; id < kParamCount; ++id) {
        count += isPending(static_cast<ParamId>(id)) ? 1 : 0;
    }
    return count;
}

} // namespace v32
