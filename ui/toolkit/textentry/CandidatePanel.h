#pragma once

#include "ui/toolkit/style/StyledWidget.h"

#include <QStringList>
#include <vector>

namespace v32 {

class FlexLayout;
class TextLabel;

// The words the input method offers, as many as fit in one row, with keys to page through
// the rest. Touching a word chooses it.
class CandidatePanel : public StyledWidget {
    Q_OBJECT

public:
    static constexpr int kHeight = 56;

    explicit CandidatePanel(QWidget* parent = nullptr);

    void setCandidates(const QStringList& candidates);
    const QStringList& candidates() const { return m_candidates; }
    // The words of the page on show.
    QStringList shownCandidates() const;
    void showNextPage();
    void showPreviousPage();

signals:
    void candidateChosen(const QString& word);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void rebuild();
    void clearItems();
    TextLabel* addKey(const QString& caption);
    void addSpacer();
    int wordWidth(const QString& word) const;

    FlexLayout* m_layout;
    QStringList m_candidates;
    std::vector<int> m_pageStarts{0};
    int m_pageEnd = 0;
    std::vector<QWidget*> m_items;
};

} // namespace v32
