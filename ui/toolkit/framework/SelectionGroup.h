#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <span>
#include <vector>

namespace v32 {

// One of many: a click on a member checks it and unchecks the member checked before, then
// reports the click as memberChosen(). Members are the program's widgets or Qt buttons; their
// "checked" property carries the state. Places may be empty, and a member that is deleted leaves
// its place empty.
class SelectionGroup : public QObject {
    Q_OBJECT

public:
    explicit SelectionGroup(std::span<QWidget* const> members = {}, QObject* parent = nullptr);
    ~SelectionGroup() override;

    // Keeps the members in place, fills the empty places from the new list and grows to
    // its size. An empty list empties the group.
    void replaceMembers(std::span<QWidget* const> members);

    int size() const { return static_cast<int>(m_members.size()); }
    // The places that hold a member.
    int liveCount() const;
    QWidget* member(int index) const;

    QWidget* selected() const { return m_selected; }
    // Checks the widget without reporting it; null only unchecks the selected one.
    void select(QWidget* widget);

signals:
    // A member was clicked, the selected one too.
    void memberChosen(QWidget* selected);

private:
    struct Member {
        QPointer<QWidget> widget;
        QMetaObject::Connection click;
    };

    Member attach(QWidget* widget);
    void detachAll();
    void onMemberClicked(QWidget* widget);
    static void setChecked(QWidget* widget, bool checked);

    std::vector<Member> m_members;
    QPointer<QWidget> m_selected;
};

} // namespace v32
