#include "RecordingPage.h"

namespace v32 {

RecordingPage::RecordingPage(QWidget* parent, PageId id, QStringList& journal)
    : Page(parent)
    , m_id(id)
    , m_journal(journal) {}

void RecordingPage::record(const QString& call) {
    m_journal.append(QStringLiteral("%1:%2").arg(static_cast<int>(m_id)).arg(call));
}

void RecordingPage::leave() {
    record(QStringLiteral("leave"));
}

void RecordingPage::enter() {
    record(QStringLiteral("enter"));
}

void RecordingPage::open(const OpenArgument& argument) {
    record(QStringLiteral("open(%1)").arg(argument.number()));
}

void RecordingPage::command(int code, int argument) {
    record(QStringLiteral("command(%1,%2)").arg(code).arg(argument));
}

void RecordingPage::encoder(int encoder, int step) {
    record(QStringLiteral("encoder(%1,%2)").arg(encoder).arg(step));
}

void RecordingPage::parameter(ParamId id, std::uint16_t value, bool fromNotify) {
    record(QStringLiteral("parameter(%1,%2,%3)").arg(id).arg(value).arg(fromNotify));
}

void RecordingPage::channelName(int slot, std::string_view name) {
    record(QStringLiteral("channelName(%1,%2)")
               .arg(slot)
               .arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))));
}

void RecordingPage::sceneName(int scene, std::string_view name) {
    record(QStringLiteral("sceneName(%1,%2)")
               .arg(scene)
               .arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))));
}

std::function<Page*(QWidget*, PageId)> recordingFactory(QStringList& journal) {
    return [&journal](QWidget* container, PageId id) -> Page* {
        journal.append(QStringLiteral("%1:create").arg(static_cast<int>(id)));
        return new RecordingPage(container, id, journal);
    };
}

} // namespace v32
