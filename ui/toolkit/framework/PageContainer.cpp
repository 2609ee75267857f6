#include "ui/toolkit/framework/PageContainer.h"

#include "ui/toolkit/framework/Page.h"
#include "ui/toolkit/framework/PageRegistry.h"

#include <algorithm>

namespace v32 {

PageContainer::PageContainer(PageRegistry& registry, std::initializer_list<PageId> pages,
                             QWidget* parent)
    : StyledWidget(parent, QSize(), BoxStyle::plain())
    , m_registry(registry) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    for (PageId id : pages) {
        m_entries.push_back(Entry{id, nullptr, false});
    }
}

template <typename Self>
auto* PageContainer::find(Self& self, PageId id) {
    const auto found = std::find_if(self.m_entries.begin(), self.m_entries.end(),
                                    [id](const Entry& entry) { return entry.id == id; });
    return found == self.m_entries.end() ? nullptr : &*found;
}

void PageContainer::open(PageId id, const OpenArgument& argument) {
    Entry* entry = find(*this, id);
    const PageDescriptor* descriptor = m_registry.descriptor(id);
    if (entry == nullptr || descriptor == nullptr || !descriptor->create) {
        return;
    }
    // Whatever was being typed or asked belongs to the page on screen, not to the next one.
    m_registry.announcePageSwitch();
    Page* page = entry->page ? entry->page.data() : build(*entry, *descriptor);
    if (page == nullptr) {
        return;
    }
    if (page == m_current) {
        if (!argument.isNothing()) {
            page->open(argument);
            replay(*page);
        }
        return;
    }
    leaveCurrent();
    page->show();
    m_current = page;
    m_currentId = id;
    page->enter();
    if (!argument.isNothing()) {
        page->open(argument);
    }
    replay(*page);
}

// After the page has chosen what it shows, so that its bindings name the channels shown.
void PageContainer::replay(const Page& page) const {
    if (const ParamReader* values = m_registry.values()) {
        page.bindings().publish(*values);
    }
}

Page* PageContainer::build(Entry& entry, const PageDescriptor& descriptor) {
    Page* page = descriptor.create(this, entry.id);
    if (page == nullptr) {
        return nullptr;
    }
    page->setParent(this);
    page->setGeometry(rect());
    page->hide();
    entry.page = page;
    return page;
}

void PageContainer::leaveCurrent() {
    if (!m_current) {
        return;
    }
    Page* leaving = m_current;
    leaving->leave();
    leaving->hide();
    if (Entry* entry = find(*this, *m_currentId); entry != nullptr && entry->discardOnLeave) {
        discard(*entry);
    }
    m_current = nullptr;
    m_currentId.reset();
}

void PageContainer::discard(Entry& entry) {
    if (entry.page) {
        entry.page->hide();
        entry.page->deleteLater();
    }
    if (entry.page == m_current) {
        m_current = nullptr;
        m_currentId.reset();
    }
    entry.page = nullptr;
}

std::optional<PageId> PageContainer::currentPageId() const {
    return m_current ? m_currentId : std::nullopt;
}

const PageDescriptor* PageContainer::currentDescriptor() const {
    const std::optional<PageId> id = currentPageId();
    return id ? m_registry.descriptor(*id) : nullptr;
}

Page* PageContainer::page(PageId id) const {
    const Entry* entry = find(*this, id);
    return entry == nullptr ? nullptr : entry->page.data();
}

void PageContainer::setDiscardOnLeave(PageId id, bool discard) {
    if (Entry* entry = find(*this, id)) {
        entry->discardOnLeave = discard;
    }
}

void PageContainer::discardPage(PageId id) {
    if (Entry* entry = find(*this, id)) {
        discard(*entry);
    }
}

void PageContainer::resizeEvent(QResizeEvent* event) {
    for (const Entry& entry : m_entries) {
        if (entry.page) {
            entry.page->setGeometry(rect());
        }
    }
    StyledWidget::resizeEvent(event);
}

} // namespace v32
