#include "ui/toolkit/widgets/RouteMatrix.h"

#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/widgets/RouteMatrixSection.h"
#include "ui/toolkit/widgets/RouteMatrixSlider.h"
#include "ui/toolkit/widgets/TextLabel.h"

#include <QStringList>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace v32 {

namespace {

constexpr QSize kDefaultSize(128, 258);
constexpr int kGap = 8;
constexpr int kCompactGap = 4;
constexpr int kTitlePixels = 14;

constexpr const char* kSectionTitles[RouteMatrix::kSectionCount] = {"AUX", "FX", "MAIN"};

QStringList numberedLabels(int count) {
    QStringList labels;
    for (int i = 1; i <= count; ++i) {
        labels << QString::number(i);
    }
    return labels;
}

} // namespace

RouteMatrix::RouteMatrix(FontCache& fonts, QWidget* parent)
    : StyledWidget(parent, kDefaultSize, BoxStyle::plain())
    , m_fonts(fonts) {
    setAccessibleRole(QAccessible::Grouping);
    setAccessibleName(QStringLiteral("Route matrix"));
    for (int i = 0; i < kSectionCount; ++i) {
        m_sections[static_cast<std::size_t>(i)] =
            new RouteMatrixSection(fonts, kSectionTitles[static_cast<std::size_t>(i)], this);
    }
    setSizes(m_auxCount, m_fxCount);
}

QSize RouteMatrix::sizeHint() const {
    return kDefaultSize;
}

bool RouteMatrix::setSizes(int aux, int fx) {
    if (aux < 1 || aux > kMaximumAux || fx < 1 || fx > kMaximumFx) {
        return false;
    }
    m_auxCount = aux;
    m_fxCount = fx;
    section(SectionAux)->setCells(numberedLabels(aux));
    section(SectionFx)->setCells(numberedLabels(fx));
    section(SectionMain)->setCells({QStringLiteral("L"), QStringLiteral("R")});
    for (auto& reported : m_reported) {
        reported.fill(-1);
    }
    for (int i = 0; i < kSectionCount; ++i) {
        section(i)->setRotated(m_rotated);
        section(i)->setCompact(m_compact);
        connectSliders(i);
    }
    scheduleLabelWidths();
    layoutSections();
    return true;
}

void RouteMatrix::setCompact(bool compact) {
    m_compact = compact;
    for (RouteMatrixSection* box : m_sections) {
        box->setCompact(compact);
    }
    layoutSections();
}

void RouteMatrix::setRotated(bool rotated) {
    m_rotated = rotated;
    for (RouteMatrixSection* box : m_sections) {
        box->setRotated(rotated);
    }
    layoutSections();
}

void RouteMatrix::setSectionShown(int sectionIndex, bool shown) {
    if (RouteMatrixSection* box = section(sectionIndex)) {
        box->setVisible(shown);
        layoutSections();
    }
}

void RouteMatrix::setCellLabel(int sectionIndex, int cell, const QString& text) {
    if (RouteMatrixSection* box = section(sectionIndex)) {
        box->setCellLabel(cell, text);
        scheduleLabelWidths();
    }
}

void RouteMatrix::setTitle(const QString& text) {
    if (m_title == nullptr) {
        m_title = new TextLabel(this);
        m_title->setFont(m_fonts.fontOfSize(kTitlePixels));
        m_title->show();
    }
    m_title->setText(text);
    layoutSections();
}

RouteMatrixSection* RouteMatrix::section(int sectionIndex) const {
    if (sectionIndex < 0 || sectionIndex >= kSectionCount) {
        return nullptr;
    }
    return m_sections[static_cast<std::size_t>(sectionIndex)];
}

RouteMatrixSlider* RouteMatrix::slider(int sectionIndex, int cell) const {
    const RouteMatrixSection* box = section(sectionIndex);
    return box != nullptr ? box->slider(cell) : nullptr;
}

void RouteMatrix::showSend(int sectionIndex, int cell, int position, bool preFader) {
    RouteMatrixSlider* target = slider(sectionIndex, cell);
    if (target == nullptr) {
        return;
    }
    target->setValue(position);
    target->setColour(preFader ? RouteMatrixSlider::kPreFaderColour
                               : RouteMatrixSlider::kPostFaderColour);
}

void RouteMatrix::connectSliders(int sectionIndex) {
    const RouteMatrixSection* box = section(sectionIndex);
    for (int cell = 0; cell < box->cellCount(); ++cell) {
        connect(
            box->slider(cell), &RouteMatrixSlider::valueChanged, this,
            [this, sectionIndex, cell](int value) { onSliderMoved(sectionIndex, cell, value); });
    }
}

void RouteMatrix::onSliderMoved(int sectionIndex, int cell, int value) {
    int& reported =
        m_reported[static_cast<std::size_t>(sectionIndex)][static_cast<std::size_t>(cell)];
    if (value == reported) {
        return;
    }
    reported = value;
    const RouteMatrixEvent event{sectionIndex, cell, slider(sectionIndex, cell), value,
                                 static_cast<double>(value - RouteMatrixSlider::kMinimum) /
                                     (RouteMatrixSlider::kMaximum - RouteMatrixSlider::kMinimum)};
    emit cellMoved(event);
}

// Labels often change in bursts (every cell renamed at once); the widths are settled once
// after the burst.
void RouteMatrix::scheduleLabelWidths() {
    if (m_labelWidthsPending) {
        return;
    }
    m_labelWidthsPending = true;
    QTimer::singleShot(0, this, &RouteMatrix::equaliseLabelWidths);
}

void RouteMatrix::equaliseLabelWidths() {
    m_labelWidthsPending = false;
    int widest = 0;
    for (const RouteMatrixSection* box : m_sections) {
        widest = std::max(widest, box->widestLabel());
    }
    for (RouteMatrixSection* box : m_sections) {
        box->setLabelWidth(widest);
    }
}

int RouteMatrix::titleHeight() const {
    return m_title != nullptr ? m_title->sizeHint().height() : 0;
}

int RouteMatrix::sectionGap() const {
    return m_compact ? kCompactGap : kGap;
}

// Compact sections keep the height they need. Otherwise the space left after the fixed
// parts is shared evenly among the cells stacked one under the other, so the cell spacing
// is the same in every visible section; FX and MAIN get that, AUX takes what remains.
void RouteMatrix::layoutSections() {
    int top = 0;
    if (m_title != nullptr) {
        m_title->setGeometry(0, 0, width(), titleHeight());
        top = titleHeight() + sectionGap();
    }
    std::vector<RouteMatrixSection*> shown;
    for (RouteMatrixSection* box : m_sections) {
        if (!box->isHidden()) {
            shown.push_back(box);
        }
    }
    if (shown.empty()) {
        return;
    }
    const int available = height() - top - sectionGap() * static_cast<int>(shown.size() - 1);
    int fixed = 0;
    int stacked = 0;
    for (const RouteMatrixSection* box : shown) {
        fixed += box->fixedHeight();
        stacked += box->stackedCellCount();
    }
    const int spare = m_compact ? 0 : std::max(0, available - fixed);
    const RouteMatrixSection* growing = section(SectionAux);
    int othersHeight = 0;
    std::vector<int> heights;
    for (const RouteMatrixSection* box : shown) {
        const int share = stacked > 0
                              ? static_cast<int>(std::lround(static_cast<double>(spare) *
                                                             box->stackedCellCount() / stacked))
                              : 0;
        heights.push_back(box->fixedHeight() + share);
        if (box != growing) {
            othersHeight += heights.back();
        }
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (shown[i] == growing && !m_compact) {
            heights[i] = std::max(shown[i]->fixedHeight(), available - othersHeight);
        }
        shown[i]->place(QRect(0, top, width(), heights[i]));
        top += heights[i] + sectionGap();
    }
}

void RouteMatrix::resizeEvent(QResizeEvent* event) {
    StyledWidget::resizeEvent(event);
    layoutSections();
}

} // namespace v32
