#pragma once

#include "ui/toolkit/framework/Page.h"

namespace v32 {

class FontCache;
class SelectionGroup;
class StackContainer;

// A page made only of the framework's own parts, standing in for the home page until the
// mixer screens exist: a title, a row of one-of-many tabs over a stack of panes, and boxes
// laid out by the style helpers.
class FrameworkSamplePage : public Page {
    Q_OBJECT

public:
    FrameworkSamplePage(QWidget* parent, FontCache& fonts);

    void open(const OpenArgument& argument) override;

private:
    QWidget* makePane(int index, FontCache& fonts);

    StackContainer* m_panes;
    SelectionGroup* m_tabs;
};

} // namespace v32
