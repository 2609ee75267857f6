#pragma once

#include "ui/toolkit/framework/OpenArgument.h"
#include "ui/toolkit/framework/Page.h"
#include "ui/toolkit/framework/PageId.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <QPointer>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

namespace v32 {

struct PageDescriptor;
class PageRegistry;

// Shows one of a fixed list of pages at a time. Pages are built on their first opening and
// then kept, hidden while another one is shown, unless they are marked to be discarded
// when left.
class PageContainer : public StyledWidget {
    Q_OBJECT

public:
    PageContainer(PageRegistry& registry, std::initializer_list<PageId> pages,
                  QWidget* parent = nullptr);

    // Shows the page, tells it to open the argument (unless it is nothing) and replays what
    // the page has bound. Pages that the container does not list, or that cannot be built,
    // are not shown.
    void open(PageId id, const OpenArgument& argument = OpenArgument::nothing());

    Page* currentPage() const { return m_current; }
    std::optional<PageId> currentPageId() const;
    const PageDescriptor* currentDescriptor() const;

    // The page built for the entry, if it exists now.
    Page* page(PageId id) const;
    void setDiscardOnLeave(PageId id, bool discard);
    // Drops the entry's page; it is built anew on its next opening.
    void discardPage(PageId id);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Entry {
        PageId id;
        QPointer<Page> page;
        bool discardOnLeave = false;
    };

    template <typename Self>
    static auto* find(Self& self, PageId id);
    Page* build(Entry& entry, const PageDescriptor& descriptor);
    void leaveCurrent();
    void discard(Entry& entry);
    void replay(const Page& page) const;

    PageRegistry& m_registry;
    std::vector<Entry> m_entries;
    QPointer<Page> m_current;
    std::optional<PageId> m_currentId;
};

} // namespace v32
