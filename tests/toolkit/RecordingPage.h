#pragma once

#include "ui/toolkit/framework/Page.h"
#include "ui/toolkit/framework/PageId.h"

#include <QStringList>
#include <functional>

namespace v32 {

// A page that writes every hook call it gets into a shared journal, as "id:hook(args)".
class RecordingPage : public Page {
    Q_OBJECT

public:
    RecordingPage(QWidget* parent, PageId id, QStringList& journal);

    void leave() override;
    void enter() override;
    void open(const OpenArgument& argument) override;
    void command(int code, int argument) override;
    void encoder(int encoder, int step) override;
    void parameter(ParamId id, std::uint16_t value, bool fromNotify) override;
    void channelName(int slot, std::string_view name) override;
    void sceneName(int scene, std::string_view name) override;

private:
    void record(const QString& call);

    PageId m_id;
    QStringList& m_journal;
};

// A factory that builds RecordingPages into the journal and records each build.
std::function<Page*(QWidget*, PageId)> recordingFactory(QStringList& journal);

} // namespace v32
