#pragma once

#include "app/protocol/ParamId.h"
#include "ui/toolkit/textentry/TextEntryMode.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

namespace v32 {

class FontCache;
class ImageCache;
class ImageView;
class KeyboardEntry;
class NativeTextBox;
class OverlayLayer;
class PinyinDictionary;

// Receives the typed text: the target and field it was asked for, the low byte of the
// flags, and the text without carriage returns.
using TextEntryCallback =
    std::function<void(QWidget* target, int fieldId, int flags, const QString& text)>;

struct TextEntryRequest {
    TextEntryCallback callback;
    // The widget the text is for; the box is laid over it unless an area is given.
    QWidget* target = nullptr;
    // A parameter identifier for numbers, above the last one for names and other text.
    int fieldId = 0;
    std::uint32_t flags = 0;
    // On the screen the popup belongs to.
    std::optional<QRect> area;
    QString initialText;
};

// The one place where the screens take typed text. A touch outside the entry cancels it,
// or finishes it when the request asks so; an empty text is dropped unless the request
// allows it. The parts are made on the first opening and kept.
class TextEntryPopup : public QObject {
    Q_OBJECT

public:
    static constexpr std::uint32_t kAllowEmpty = 0x4000;
    static constexpr std::uint32_t kCommitOnOutsideTouch = 0x8000;
    static constexpr std::uint32_t kCallbackFlagsMask = 0xFF;
    static constexpr int kLastParameterField = kLastParam;
    static constexpr qsizetype kMaxTextLength = 255;
    static constexpr int kDimOpacity = 178;

    using EditIconHook = std::function<void(QWidget* target, int fieldId, std::uint32_t flags)>;

    TextEntryPopup(QWidget& screen, FontCache& fonts, ImageCache& images, TextEntryMode mode,
                   const PinyinDictionary& dictionary);
    ~TextEntryPopup() override;

    TextEntryMode mode() const { return m_mode; }
    // Fields above the last parameter take names: the keyboard offers letters, several
    // lines and pinyin; parameters take numbers on one line.
    static bool isTextField(int fieldId) { return fieldId > kLastParameterField; }

    void open(TextEntryRequest request);
    // Hands the text to the callback (as the request's rules allow) and closes.
    void commit();
    // Closes without handing anything over.
    void cancel();
    bool isOpen() const { return m_open; }

    // While set, an edit icon beside the entry offers the request to whoever wants to take
    // it over.
    void setEditIconHook(EditIconHook hook) { m_editIconHook = std::move(hook); }

    // The parts, once made.
    OverlayLayer* catcher() const { return m_catcher; }
    NativeTextBox* nativeBox() const { return m_nativeBox; }
    KeyboardEntry* keyboardEntry() const { return m_keyboard; }
    ImageView* editIcon() const { return m_editIcon; }

private:
    void build();
    QRect areaOf(const TextEntryRequest& request) const;
    QString typedText() const;
    void hideParts();
    void placeEditIcon(const QRect& besides);
    void onCatcherTouched();
    void onEditIconTouched();

    QWidget& m_screen;
    FontCache& m_fonts;
    ImageCache& m_images;
    TextEntryMode m_mode;
    const PinyinDictionary& m_dictionary;
    OverlayLayer* m_catcher = nullptr;
    ImageView* m_editIcon = nullptr;
    NativeTextBox* m_nativeBox = nullptr;
    KeyboardEntry* m_keyboard = nullptr;
    EditIconHook m_editIconHook;
    TextEntryRequest m_request;
    QPointer<QWidget> m_target;
    bool m_open = false;
};

} // namespace v32
