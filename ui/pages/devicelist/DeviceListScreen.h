#pragma once

#include "ui/toolkit/framework/OverlayLayer.h"

#include <QSize>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class QScrollArea;

namespace v32 {

class Button;
class DeviceListRow;
class FontCache;
class SelectionGroup;
class TextLabel;
struct FoundDevice;

// Covers the screens while a mixer is chosen: a dimmed backdrop and, in its middle, a panel
// with the caption and Refresh above the list of mixers found and Connect and Demo below
// it. One row at a time is checked. What the buttons do is up to whoever listens.
class DeviceListScreen : public OverlayLayer {
    Q_OBJECT

public:
    static constexpr int kBackdropOpacity = 204;
    static constexpr int kPanelWidthPercent = 35;
    static constexpr int kListHeight = 200;
    static constexpr QSize kRefreshSize{64, 32};
    static constexpr QSize kActionSize{80, 40};

    DeviceListScreen(QWidget* parent, FontCache& fonts);

    // One row per device, in order, none checked.
    void showDevices(std::span<const FoundDevice> devices);
    void clearDevices();

    const std::vector<DeviceListRow*>& rows() const { return m_rows; }
    // The address of the first checked row.
    std::optional<std::uint32_t> checkedAddress() const;

    TextLabel& title() const { return *m_title; }
    Button& refreshButton() const { return *m_refresh; }
    Button& connectButton() const { return *m_connect; }
    Button& demoButton() const { return *m_demo; }
    QScrollArea& list() const { return *m_list; }
    StyledWidget& panel() const { return *m_panel; }

signals:
    void refreshClicked();
    void connectClicked();
    void demoClicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    StyledWidget* buildHeader();
    QScrollArea* buildList();
    StyledWidget* buildFooter();
    Button* addButton(QWidget* parent, const char* caption, const char* objectName, QSize size);

    FontCache& m_fonts;
    StyledWidget* m_panel;
    TextLabel* m_title = nullptr;
    Button* m_refresh = nullptr;
    Button* m_connect = nullptr;
    Button* m_demo = nullptr;
    QScrollArea* m_list = nullptr;
    QWidget* m_rowsHost = nullptr;
    SelectionGroup* m_selection;
    std::vector<DeviceListRow*> m_rows;
};

} // namespace v32
