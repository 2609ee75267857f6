#pragma once

#include "ui/toolkit/framework/OpenArgument.h"
#include "ui/toolkit/framework/OverlayLayer.h"
#include "ui/toolkit/framework/PageId.h"
#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyledWidget.h"
#include "ui/toolkit/textentry/TextEntryMode.h"

#include <cstdint>

namespace v32 {

class Clock;
class ConnectionIssueOverlay;
class FontCache;
class GlobalBar;
class ImageCache;
class Page;
class PageContainer;
class PageHost;
class PageRegistry;
class PinyinDictionary;
class ProgressOverlay;
class TextEntryPopup;
class Toast;

struct RootScreenSetup {
    PageRegistry& registry;
    const Clock& clock;
    FontCache& fonts;
    ImageCache& images;
    const PinyinDictionary& pinyin;
    TextEntryMode textEntry = TextEntryMode::NativeBox;
    // The row of bank tabs, meters and the link icon above the pages.
    bool globalBar = false;
};

// The whole interface at its fixed size, in three layers. The screen holds the pages (the
// top page host, with the global bar when it is wanted), the progress overlay and the text
// entry; above it lies the toast; above everything the connection-issue overlay.
class RootScreen : public StyledWidget {
    Q_OBJECT

public:
    static constexpr QSize kSize{1280, 800};
    static constexpr std::uint16_t kBackground = palette::kScreenBackground;
    static constexpr int kPadding = 4;

    explicit RootScreen(const RootScreenSetup& setup, QWidget* parent = nullptr);
    ~RootScreen() override;

    QWidget& screenLayer() const { return *m_screen; }
    PageHost& pageHost() const { return *m_pageHost; }
    PageContainer& topContainer() const { return *m_topContainer; }
    // Null without the global bar.
    GlobalBar* globalBar() const { return m_globalBar; }
    Toast& toast() const { return *m_toast; }
    ProgressOverlay& progress() const { return *m_progress; }
    TextEntryPopup& textEntry() const { return *m_textEntry; }
    ConnectionIssueOverlay& connectionIssue() const { return *m_connectionIssue; }

    // Opens a page of the top level: the one container of the top page host.
    void openPage(PageId id, const OpenArgument& argument = OpenArgument::nothing());
    Page* currentPage() const;

    void showConnectionIssue(const QString& text);
    void showOnlineState(bool online);
    bool isOnline() const { return m_online; }

signals:
    // For the screens that show the link state themselves.
    void onlineStateChanged(bool online);

private:
    OverlayLayer* m_screen;
    PageHost* m_pageHost;
    GlobalBar* m_globalBar = nullptr;
    PageContainer* m_topContainer;
    ProgressOverlay* m_progress;
    TextEntryPopup* m_textEntry;
    Toast* m_toast;
    ConnectionIssueOverlay* m_connectionIssue;
    bool m_online = false;
};

} // namespace v32
