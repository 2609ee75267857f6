#include "ui/toolkit/framework/ContainerPage.h"

#include "ui/toolkit/framework/PageContainer.h"
#include "ui/toolkit/framework/PageHost.h"

#include <QVBoxLayout>

namespace v32 {

ContainerPage::ContainerPage(QWidget* parent, PageRegistry& registry,
                             std::initializer_list<PageId> pages)
    : Page(parent)
    , m_host(new PageHost(this))
    , m_container(new PageContainer(registry, pages, m_host)) {
    m_host->setContainers({m_container});
    auto* hostLayout = new QVBoxLayout(m_host);
    hostLayout->setContentsMargins(0, 0, 0, 0);
    hostLayout->addWidget(m_container);
}

Page* ContainerPage::shownPage() const {
    return m_container->currentPage();
}

void ContainerPage::command(int code, int argument) {
    if (Page* page = shownPage()) {
        page->command(code, argument);
    }
}

void ContainerPage::encoder(int encoder, int step) {
    if (Page* page = shownPage()) {
        page->encoder(encoder, step);
    }
}

void ContainerPage::parameter(ParamId id, std::uint16_t value, bool fromNotify) {
    if (Page* page = shownPage()) {
        page->parameter(id, value, fromNotify);
    }
}

void ContainerPage::channelName(int slot, std::string_view name) {
    if (Page* page = shownPage()) {
        page->channelName(slot, name);
    }
}

void ContainerPage::sceneName(int scene, std::string_view name) {
    if (Page* page = shownPage()) {
        page->sceneName(scene, name);
    }
}

} // namespace v32
