#include "ui/pages/home/ChannelRename.h"

#include "app/model/ChannelLabel.h"
#include "app/model/ScreenModel.h"
#include "ui/pages/ScreenContext.h"
#include "ui/toolkit/framework/RootScreen.h"
#include "ui/toolkit/textentry/TextEntryPopup.h"

namespace v32 {

namespace {

// Names are text fields, numbered above the parameters.
constexpr int kFirstNameField = TextEntryPopup::kLastParameterField + 1;

bool isContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U;
}

} // namespace

void ChannelRename::ask(ScreenContext& screens, QWidget& target, int slot,
                        std::function<void()> renamed) {
    if (screens.root == nullptr) {
        return;
    }
    TextEntryRequest request;
    request.target = &target;
    request.fieldId = kFirstNameField + slot;
    request.flags = TextEntryPopup::kAllowEmpty;
    request.initialText = shownName(screens, slot);
    request.callback = [&screens, slot, renamed = std::move(renamed)](QWidget*, int, int,
                                                                      const QString& text) {
        screens.model.setChannelName(slot, storedName(text));
        if (renamed) {
            renamed();
        }
    };
    screens.root->textEntry().open(std::move(request));
}

std::string ChannelRename::storedName(const QString& text) {
    std::string bytes = text.trimmed().toStdString();
    if (bytes.size() <= kMaximumBytes) {
        return bytes;
    }
    std::size_t end = kMaximumBytes;
    while (end > 0 && isContinuationByte(bytes[end])) {
        --end;
    }
    bytes.resize(end);
    return bytes;
}

QString ChannelRename::shownName(const ScreenContext& screens, int slot) {
    return QString::fromUtf8(ChannelLabel::shown(slot, screens.model.channelName(slot)).c_str());
}

} // namespace v32
