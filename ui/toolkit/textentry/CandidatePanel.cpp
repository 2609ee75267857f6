#include "ui/toolkit/textentry/CandidatePanel.h"

#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/StyleHelpers.h"
#include "ui/toolkit/widgets/TextLabel.h"

#include <QEvent>

namespace v32 {

namespace {

constexpr std::uint16_t kPanelBackground = palette::kGrey13;
constexpr std::uint16_t kWordColour = palette::kWhite;
constexpr std::uint16_t kPageKeyColour = palette::kGrey60;
constexpr int kGap = 4;
constexpr int kDisabledOpacity = 80;
constexpr int kWordPadding = 12;
const QString kPreviousCaption = QStringLiteral("\u25C0");
const QString kNextCaption = QStringLiteral("\u25B6");

} // namespace

CandidatePanel::CandidatePanel(QWidget* parent)
    : StyledWidget(parent, QSize(1280, kHeight), BoxStyle::plain())
    , m_layout(applyFlexStyle(*this, FlexFlow::Row, FlexAlign::Start, FlexAlign::Center,
                              FlexAlign::Start, kGap)) {
    setAccessibleName(QStringLiteral("candidates"));
    setAccessibleRole(QAccessible::List);
    setBackground(kPanelBackground);
    setPadding(QMargins(8, 0, 8, 0));
    setFixedHeight(kHeight);
}

void CandidatePanel::setCandidates(const QStringList& candidates) {
    m_candidates = candidates;
    m_pageStarts.assign(1, 0);
    rebuild();
}

QStringList CandidatePanel::shownCandidates() const {
    return m_candidates.mid(m_pageStarts.back(), m_pageEnd - m_pageStarts.back());
}

void CandidatePanel::showNextPage() {
    if (m_pageEnd < m_candidates.size()) {
        m_pageStarts.push_back(m_pageEnd);
        rebuild();
    }
}

void CandidatePanel::showPreviousPage() {
    if (m_pageStarts.size() > 1) {
        m_pageStarts.pop_back();
        rebuild();
    }
}

int CandidatePanel::wordWidth(const QString& word) const {
    return fontMetrics().horizontalAdvance(word) + 2 * kWordPadding + kGap;
}

TextLabel* CandidatePanel::addKey(const QString& caption) {
    auto* key = new TextLabel(this, caption);
    key->setFont(font());
    key->setPadding(QMargins(kWordPadding, 0, kWordPadding, 0));
    key->setClickable(true);
    key->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    m_layout->addWidget(key);
    m_items.push_back(key);
    key->show();
    return key;
}

void CandidatePanel::addSpacer() {
    auto* spacer = new StyledWidget(this, QSize(), BoxStyle::plain());
    applyBoxStyle(*spacer, {.width = grow(1), .height = kContentSize});
    m_layout->addWidget(spacer);
    m_items.push_back(spacer);
    spacer->show();
}

void CandidatePanel::clearItems() {
    // Hidden at once: the deletion waits for the event loop.
    for (QWidget* item : m_items) {
        m_layout->removeWidget(item);
        item->hide();
        item->deleteLater();
    }
    m_items.clear();
}

// The page holds the words from its start that fit beside the two paging keys.
void CandidatePanel::rebuild() {
    clearItems();
    const int start = m_pageStarts.back();
    const int available =
        contentsRect().width() - wordWidth(kPreviousCaption) - wordWidth(kNextCaption);
    int used = 0;
    m_pageEnd = start;
    while (m_pageEnd < m_candidates.size()) {
        const int needed = wordWidth(m_candidates[m_pageEnd]);
        if (used + needed > available && m_pageEnd > start) {
            break;
        }
        used += needed;
        ++m_pageEnd;
    }
    if (m_candidates.isEmpty()) {
        return;
    }
    TextLabel* previous = addKey(kPreviousCaption);
    previous->setAccessibleName(QStringLiteral("Previous words"));
    previous->setTextColour(kPageKeyColour, m_pageStarts.size() > 1 ? 255 : kDisabledOpacity);
    connect(previous, &StyledWidget::clicked, this, &CandidatePanel::showPreviousPage);
    for (int index = start; index < m_pageEnd; ++index) {
        TextLabel* word = addKey(m_candidates[index]);
        word->setTextColour(kWordColour);
        connect(word, &StyledWidget::clicked, this,
                [this, chosen = m_candidates[index]] { emit candidateChosen(chosen); });
    }
    addSpacer();
    TextLabel* next = addKey(kNextCaption);
    next->setAccessibleName(QStringLiteral("Next words"));
    next->setTextColour(kPageKeyColour, m_pageEnd < m_candidates.size() ? 255 : kDisabledOpacity);
    connect(next, &StyledWidget::clicked, this, &CandidatePanel::showNextPage);
}

void CandidatePanel::resizeEvent(QResizeEvent* event) {
    StyledWidget::resizeEvent(event);
    rebuild();
}

void CandidatePanel::changeEvent(QEvent* event) {
    StyledWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        rebuild();
    }
}

} // namespace v32
