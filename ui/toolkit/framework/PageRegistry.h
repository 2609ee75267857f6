#pragma once

#include "ui/toolkit/framework/PageId.h"

#include <QObject>
#include <array>
#include <functional>
#include <optional>

class QWidget;

namespace v32 {

class Page;
class ParamReader;

// Builds a page inside its container. A page without one cannot be shown.
using PageFactory = std::function<Page*(QWidget* container, PageId id)>;

struct PageDescriptor {
    PageId id;
    const char* name;
    PageFactory create;
};

// Every page of the program by number, with its name. Screens install the factories of the
// pages they build; a page without a factory stays unreachable.
class PageRegistry : public QObject {
    Q_OBJECT

public:
    static constexpr int kSlotCount = 34;

    PageRegistry();

    // Null for a number that names no page.
    const PageDescriptor* descriptor(int id) const;
    const PageDescriptor* descriptor(PageId id) const { return descriptor(static_cast<int>(id)); }

    void install(PageId id, PageFactory factory);

    // The values the pages' bindings are replayed from when they open; none, nothing is
    // replayed (a registry of pages that show no parameters).
    void setValues(const ParamReader* values) { m_values = values; }
    const ParamReader* values() const { return m_values; }

    // Every page opening passes here first, so that what belongs to the old page closes.
    void announcePageSwitch() { emit pageSwitchStarting(); }

signals:
    void pageSwitchStarting();

private:
    std::array<std::optional<PageDescriptor>, kSlotCount> m_pages;
    const ParamReader* m_values = nullptr;
};

} // namespace v32
