#include "ui/toolkit/textentry/TextEntryPopup.h"

#include "ui/toolkit/framework/OverlayLayer.h"
#include "ui/toolkit/style/FontCache.h"
#include "ui/toolkit/style/ImageCache.h"
#include "ui/toolkit/style/Palette.h"
#include "ui/toolkit/style/Rgb565.h"
#include "ui/toolkit/textentry/KeyboardEntry.h"
#include "ui/toolkit/textentry/KeyboardTextArea.h"
#include "ui/toolkit/textentry/NativeTextBox.h"
#include "ui/toolkit/widgets/ImageView.h"

namespace v32 {

namespace {

constexpr int kNativeFontSize = 24;
constexpr std::uint16_t kEditIconColour = palette::kWhite;
constexpr int kEditIconGap = 8;
constexpr QSize kAreaWithoutTarget(384, 48);

QString nativeBoxStyleSheet() {
    return QStringLiteral("QLineEdit { background: %1; color: white; border: 2px solid %2;"
                          " selection-background-color: %3; }")
        .arg(rgb565ToColor(palette::kGrey12).name(), rgb565ToColor(palette::kGreen).name(),
             rgb565ToColor(palette::kAccentBlue).name());
}

} // namespace

TextEntryPopup::TextEntryPopup(QWidget& screen, FontCache& fonts, ImageCache& images,
                               TextEntryMode mode, const PinyinDictionary& dictionary)
    : QObject(&screen)
    , m_screen(screen)
    , m_fonts(fonts)
    , m_images(images)
    , m_mode(mode)
    , m_dictionary(dictionary) {}

TextEntryPopup::~TextEntryPopup() = default;

void TextEntryPopup::build() {
    BoxStyle dim;
    dim.backgroundOpacity = m_mode == TextEntryMode::OnScreenKeyboard ? kDimOpacity : 0;
    m_catcher = new OverlayLayer(&m_screen, dim);
    m_catcher->setAccessibleName(QStringLiteral("close text entry"));
    m_catcher->setClickable(true);
    m_catcher->setTakesTouches(true);
    m_catcher->hide();
    connect(m_catcher, &StyledWidget::clicked, this, &TextEntryPopup::onCatcherTouched);

    m_editIcon = new ImageView(
        &m_screen, m_images.recoloured(QStringLiteral("res/common/img_edit.png"), kEditIconColour));
    m_editIcon->setAccessibleName(QStringLiteral("edit"));
    m_editIcon->setClickable(true);
    m_editIcon->hide();
    connect(m_editIcon, &StyledWidget::clicked, this, &TextEntryPopup::onEditIconTouched);

    if (m_mode == TextEntryMode::NativeBox) {
        m_nativeBox = new NativeTextBox(&m_screen);
        m_nativeBox->setFont(m_fonts.fontOfSize(kNativeFontSize));
        m_nativeBox->setStyleSheet(nativeBoxStyleSheet());
        connect(m_nativeBox, &NativeTextBox::committed, this, &TextEntryPopup::commit);
        connect(m_nativeBox, &NativeTextBox::cancelled, this, &TextEntryPopup::cancel);
    } else {
        m_keyboard = new KeyboardEntry(m_screen, m_fonts, m_dictionary);
        connect(m_keyboard, &KeyboardEntry::committed, this, &TextEntryPopup::commit);
        connect(m_keyboard, &KeyboardEntry::cancelled, this, &TextEntryPopup::cancel);
    }
}

void TextEntryPopup::open(TextEntryRequest request) {
    if (m_catcher == nullptr) {
        build();
    }
    m_catcher->showOnTop();
    if (m_keyboard != nullptr) {
        m_keyboard->open(isTextField(request.fieldId), request.initialText);
        placeEditIcon(m_keyboard->textArea().geometry());
    } else {
        m_nativeBox->showOver(areaOf(request), request.initialText);
        placeEditIcon(m_nativeBox->geometry());
    }
    m_target = request.target;
    m_request = std::move(request);
    m_open = true;
}

QRect TextEntryPopup::areaOf(const TextEntryRequest& request) const {
    if (request.area) {
        return *request.area;
    }
    if (request.target != nullptr) {
        return QRect(request.target->mapTo(&m_screen, QPoint(0, 0)), request.target->size());
    }
    QRect centred(QPoint(0, 0), kAreaWithoutTarget);
    centred.moveCenter(m_screen.rect().center());
    return centred;
}

void TextEntryPopup::placeEditIcon(const QRect& besides) {
    if (!m_editIconHook) {
        m_editIcon->hide();
        return;
    }
    m_editIcon->move(besides.right() + kEditIconGap,
                     besides.center().y() - m_editIcon->height() / 2);
    m_editIcon->show();
    m_editIcon->raise();
}

QString TextEntryPopup::typedText() const {
    const QString text = m_keyboard != nullptr ? m_keyboard->text() : m_nativeBox->text();
    return text.left(kMaxTextLength).remove(QLatin1Char('\r'));
}

// The popup is closed before the callback runs, so that a callback may open the next entry.
void TextEntryPopup::commit() {
    if (!m_open) {
        return;
    }
    const QString text = typedText();
    const TextEntryRequest request = std::move(m_request);
    QWidget* target = m_target;
    cancel();
    if (request.callback && (!text.isEmpty() || (request.flags & kAllowEmpty) != 0)) {
        request.callback(target, request.fieldId,
                         static_cast<int>(request.flags & kCallbackFlagsMask), text);
    }
}

void TextEntryPopup::cancel() {
    if (m_catcher != nullptr) {
        hideParts();
    }
    m_request = TextEntryRequest{};
    m_target = nullptr;
    m_open = false;
}

void TextEntryPopup::hideParts() {
    if (m_keyboard != nullptr) {
        m_keyboard->close();
    }
    if (m_nativeBox != nullptr) {
        m_nativeBox->hide();
    }
    m_editIcon->hide();
    m_catcher->hide();
}

void TextEntryPopup::onCatcherTouched() {
    if ((m_request.flags & kCommitOnOutsideTouch) != 0) {
        commit();
    } else {
        cancel();
    }
}

void TextEntryPopup::onEditIconTouched() {
    if (m_editIconHook && m_open) {
        m_editIconHook(m_target, m_request.fieldId, m_request.flags);
    }
}

} // namespace v32
