#include "ui/toolkit/framework/PageHost.h"

#include "ui/toolkit/framework/PageContainer.h"

namespace v32 {

PageHost::PageHost(QWidget* parent)
    : StyledWidget(parent, QSize(), BoxStyle::plain()) {}

void PageHost::setContainers(const std::vector<PageContainer*>& containers) {
    m_containers.assign(containers.begin(), containers.end());
}

PageContainer* PageHost::container(int index) const {
    if (index < 0 || index >= containerCount()) {
        return nullptr;
    }
    return m_containers[static_cast<std::size_t>(index)].data();
}

PageContainer* PageHost::open(int index, PageId id, const OpenArgument& argument) {
    PageContainer* target = container(index);
    if (target != nullptr) {
        target->open(id, argument);
    }
    return target;
}

Page* PageHost::currentPage(int index) const {
    const PageContainer* target = container(index);
    return target == nullptr ? nullptr : target->currentPage();
}

} // namespace v32
