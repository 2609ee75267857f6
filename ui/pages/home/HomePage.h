#pragma once

#include "ui/toolkit/framework/ContainerPage.h"
#include "ui/toolkit/framework/PageId.h"

namespace v32 {

class BriefContPage;
class HomeNavigation;
class PageContainer;
class PageRegistry;

// Page 1, `home`: the container of the mixer screens, which shows the home tabs (page 2)
// or the channel editor (page 5). Every page hook goes on to the page it shows. It is
// where the mixer screens open their pages: built, it becomes the navigation's page opener.
class HomePage : public ContainerPage {
    Q_OBJECT

public:
    HomePage(QWidget* parent, PageRegistry& registry, HomeNavigation& navigation);
    ~HomePage() override;

    void enter() override;
    void open(const OpenArgument& argument) override;

    // Pages under the home tabs are opened there, with their tab lit; the others here.
    void openInside(PageId id, const OpenArgument& argument);

    // Null until the home tabs have been shown.
    BriefContPage* tabsPage() const;

private:
    OpenArgument tabArgumentOf(PageId id, const OpenArgument& argument) const;

    HomeNavigation& m_navigation;
};

} // namespace v32
