#pragma once

#include "app/model/SendOnFader.h"
#include "ui/toolkit/style/StyledWidget.h"

#include <array>
#include <optional>

namespace v32 {

class FlatButton;
class FontCache;
class TextLabel;
class TitledPanel;

// The column beside the strips: "PAGE SELECTION", which names the tile of faders shown and
// switches to the other one, and "SENDS ON FADERS", which puts the sends to one AUX or FX
// bus on the faders; "L" and "R" of MAIN stand for the faders themselves. The panel only
// reports the taps; the page tells it what it shows.
class FaderPageSidePanel : public StyledWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 176;

    explicit FaderPageSidePanel(FontCache& fonts, QWidget* parent = nullptr);

    void setPageLabel(const QString& label);
    QString pageLabel() const;
    // The chosen bus is lit, or both MAIN buttons while the faders are shown.
    void showSendsOn(std::optional<SendBus> bus);

    TitledPanel* pageSelection() const { return m_pageSelection; }
    FlatButton* busButton(SendBus bus) const;
    FlatButton* mainButton(int side) const;

signals:
    void pageSelectionClicked();
    void busChosen(SendBus bus);
    void mainChosen();

private:
    QWidget* makeBusGrid(FontCache& fonts);
    FlatButton* makeSelector(QWidget* parent, const QString& caption, FontCache& fonts);

    TitledPanel* m_pageSelection;
    TextLabel* m_pageLabel;
    std::array<FlatButton*, SendOnFader::kAuxCount> m_aux{};
    std::array<FlatButton*, SendOnFader::kEffectCount> m_effects{};
    std::array<FlatButton*, 2> m_main{};
};

} // namespace v32
