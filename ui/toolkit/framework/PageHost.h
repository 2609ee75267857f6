#pragma once

#include "ui/toolkit/framework/PageContainer.h"
#include "ui/toolkit/framework/PageId.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <QPointer>
#include <cstdint>
#include <vector>

namespace v32 {

// Holds the page containers of one level of the interface, by index. The top of the
// interface has one container that lists the home page; pages with sub-pages build their
// own host with their own containers.
class PageHost : public StyledWidget {
    Q_OBJECT

public:
    explicit PageHost(QWidget* parent = nullptr);

    void setContainers(const std::vector<PageContainer*>& containers);
    int containerCount() const { return static_cast<int>(m_containers.size()); }
    // Null for an index beyond the count.
    PageContainer* container(int index) const;

    // Returns the container that was switched, or null for an index beyond the count.
    PageContainer* open(int index, PageId id,
                        const OpenArgument& argument = OpenArgument::nothing());
    Page* currentPage(int index) const;

private:
    std::vector<QPointer<PageContainer>> m_containers;
};

} // namespace v32
