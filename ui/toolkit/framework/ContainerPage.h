#pragma once

#include "ui/toolkit/framework/Page.h"
#include "ui/toolkit/framework/PageId.h"

#include <initializer_list>

namespace v32 {

class PageContainer;
class PageHost;
class PageRegistry;

// A page that holds pages of its own: a page host with one container for the listed pages,
// which the subclass places in its layout. The hooks that go to the page on screen
// (command, encoder, parameter, channel and scene names) go on to the page it shows.
class ContainerPage : public Page {
    Q_OBJECT

public:
    ContainerPage(QWidget* parent, PageRegistry& registry, std::initializer_list<PageId> pages);

    void command(int code, int argument) override;
    void encoder(int encoder, int step) override;
    void parameter(ParamId id, std::uint16_t value, bool fromNotify) override;
    void channelName(int slot, std::string_view name) override;
    void sceneName(int scene, std::string_view name) override;

    PageContainer& container() const { return *m_container; }

protected:
    // What the subclass lays out: the host that fills with the page shown.
    PageHost& host() const { return *m_host; }
    // Null while no page is shown.
    Page* shownPage() const;

private:
    PageHost* m_host;
    PageContainer* m_container;
};

} // namespace v32
