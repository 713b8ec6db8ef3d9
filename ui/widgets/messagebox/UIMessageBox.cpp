#include "ui/widgets/messagebox/UIMessageBox.h"

#include "foundation/signals/SignalReceiver.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UICustomEvent.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/core/theme/UIMetric.h"
#include "ui/core/theme/UITheme.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/widgets/UITranslate.h"
#include "ui/widgets/UIWorkArea.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/buttons/UICheck.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/decorative/UIExpander.h"
#include "ui/widgets/decorative/UILine.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/picture/UIPicture.h"

#include <iterator>

namespace {

constexpr const char16_t* kContext = u"UserInterface/UIMessageBox";
constexpr const char16_t* kDoNotShowAgainText = u"Do not show again.";
constexpr uint32_t kWindowFlags = UINativeWindow::kSystemMenu | UINativeWindow::kKeyPreview;
constexpr float kMainTextPoints = 10.5f;
constexpr uint32_t kBold = 1;

struct StandardButton
{
    int flag;
    const char16_t* text;
};

// In the order of creation, left to right.
const StandardButton kStandardButtons[] = {
    {UIMessageBox::kProceed, u"Proceed"},
    {UIMessageBox::kRestoreDefaults, u"Restore Defaults"},
    {UIMessageBox::kRestartNow, u"Restart Now"},
    {UIMessageBox::kYes, u"Yes"},
    {UIMessageBox::kOk, u"OK"},
    {UIMessageBox::kOpen, u"Open"},
    {UIMessageBox::kSave, u"Save"},
    {UIMessageBox::kCancel, u"Cancel"},
    {UIMessageBox::kClose, u"Close"},
    {UIMessageBox::kApply, u"Apply"},
    {UIMessageBox::kReset, u"Reset"},
    {UIMessageBox::kHelp, u"Help"},
    {UIMessageBox::kSaveAll, u"Save All"},
    {UIMessageBox::kNo, u"No"},
    {UIMessageBox::kNoToAll, u"No To All"},
    {UIMessageBox::kYesToAll, u"Yes To All"},
    {UIMessageBox::kAbort, u"Abort"},
    {UIMessageBox::kRetry, u"Retry"},
    {UIMessageBox::kIgnore, u"Ignore"},
};

String translated(const char16_t* text)
{
    return uiTranslate(text, kContext);
}

UIMessageBox::SoundPlayer& soundPlayer()
{
    static UIMessageBox::SoundPlayer player = nullptr;
    return player;
}

} // namespace

// Calls done with its button's flag when the button is clicked.
class UIMessageBox::ButtonSlot : public SignalReceiver
{
public:
    ButtonSlot(UIMessageBox* box, int flag) : m_box(box), m_flag(flag) {}
    void clicked() { m_box->done(m_flag); }

private:
    UIMessageBox* m_box;
    int m_flag;
};

UIMessageBox::UIMessageBox(UIWidget* parent) : UIDialog(parent, kWindowFlags)
{
    setMinimumWidth(kMinimumWidth);
}

UIMessageBox::UIMessageBox(int kind, const String& title, const String& text, int buttons, UIWidget* parent)
    : UIMessageBox(parent)
{
    m_kind = kind;
    m_text = text;
    m_buttons = buttons;
    setTitle(title);
}

UIMessageBox::~UIMessageBox()
{
    killTimer(kSoundTimerId);
}

int UIMessageBox::information(UIWidget* parent, const String& title, const String& text,
                              const String& informativeText, int buttons, int options)
{
    return run(kInformation, parent, title, text, informativeText, buttons, options);
}

int UIMessageBox::question(UIWidget* parent, const String& title, const String& text,
                           const String& informativeText, int buttons, int options)
{
    return run(kQuestion, parent, title, text, informativeText, buttons, options);
}

int UIMessageBox::warning(UIWidget* parent, const String& title, const String& text,
                          const String& informativeText, int buttons, int options)
{
    return run(kWarning, parent, title, text, informativeText, buttons, options);
}

int UIMessageBox::critical(UIWidget* parent, const String& title, const String& text,
                           const String& informativeText, int buttons, int options)
{
    return run(kCritical, parent, title, text, informativeText, buttons, options);
}

int UIMessageBox::run(int kind, UIWidget* parent, const String& title, const String& text,
                      const String& informativeText, int buttons, int options)
{
    UIMessageBox box(kind, title, text, buttons, parent);
    box.setInformativeText(informativeText);
    box.setOptions(options);
    return box.exec();
}

void UIMessageBox::setSoundPlayer(SoundPlayer player)
{
    soundPlayer() = player;
}

int UIMessageBox::soundOf(int kind)
{
    switch (kind) {
    case kInformation:
        return 4;
    case kQuestion:
        return 2;
    case kWarning:
        return 3;
    case kCritical:
        return 5;
    default:
        return 0;
    }
}

int UIMessageBox::standardButtonCount()
{
    return int(std::size(kStandardButtons));
}

int UIMessageBox::standardButton(int position)
{
    return position >= 0 && position < standardButtonCount() ? kStandardButtons[position].flag : 0;
}

const char16_t* UIMessageBox::standardButtonText(int flag)
{
    for (const StandardButton& each : kStandardButtons) {
        if (each.flag == flag)
            return each.text;
    }
    return u"";
}

void UIMessageBox::setTitle(const String& title)
{
    if (!title.isEmpty())
        setWindowTitle(title, true);
}

int UIMessageBox::exec()
{
    prepare();
    m_done = false;
    setVisible(true);
    return result();
}

void UIMessageBox::prepare()
{
    applyMetricMargins();
    applyMetricSpacing();
    build();
    if ((m_options & kDefaultButtonOption) && m_buttonList.count() == 1)
        m_buttonList.first()->value->setDefault(true);
}

void UIMessageBox::clearContent()
{
    // A close took the children with it: those rows are gone already.
    for (UIWidget* row : m_rows) {
        if (isChild(row))
            delete row;
    }
    m_rows.clear();
    m_slots.clear();
    m_buttonList.clear();
    m_check = nullptr;
}

bool UIMessageBox::isChild(const UIWidget* widget) const
{
    for (const UIWidget* child : children()) {
        if (child == widget)
            return true;
    }
    return false;
}

void UIMessageBox::build()
{
    clearContent();
    auto* top = new UIBox(this);
    top->setVerticalFlow(0);
    top->setColumnStretch(1, 100.0f);
    top->applyMetricSpacing();
    top->show();
    m_rows.push_back(top);
    const UITheme* theme = UIApplication::instance()->theme();
    if (m_kind != kNoIcon) {
        auto* picture = new UIPicture(top);
        picture->setFlag(kTransparent, true);
        picture->setAutoSize(true);
        if (theme && m_kind >= kInformation && m_kind <= kCritical)
            picture->setImage(theme->image(UITheme::kInformationBig + m_kind - kInformation), 0,
                              Rect::kAlignLeft | Rect::kAlignTop);
        picture->show();
    }
    auto* texts = new UIBox(top);
    texts->setVerticalFlow(1);
    texts->show();
    if (!m_text.isEmpty()) {
        auto* label = new UILabel(texts);
        label->setMultiLine(true);
        label->setFont(FontDesc(FontDesc::applicationFont().family(), kMainTextPoints, kBold));
        label->setText(m_text);
        label->show();
    }
    if (!m_informativeText.isEmpty()) {
        auto* label = new UILabel(texts);
        label->setMultiLine(true);
        label->setText(m_informativeText);
        label->show();
    }
    auto* line = new UILine(this);
    line->show();
    m_rows.push_back(line);

    auto* row = new UIBox(this);
    row->applyMetricSpacing();
    row->setVerticalFlow(0);
    row->show();
    m_rows.push_back(row);
    if (m_options & kDoNotShowAgainOption) {
        m_check = new UICheck(row);
        m_check->setText(translated(kDoNotShowAgainText));
        m_check->show();
    }
    (new UIExpander(row))->show();
    for (const StandardButton& each : kStandardButtons) {
        if (!(m_buttons & each.flag))
            continue;
        auto* made = new UIButton(row);
        made->setText(translated(each.text));
        made->show();
        m_buttonList.append(made);
        m_slots.push_back(std::make_unique<ButtonSlot>(this, each.flag));
        made->clicked.connect(m_slots.back().get(), &ButtonSlot::clicked);
    }
    relayout();
}

UIButton* UIMessageBox::button(int flag) const
{
    int position = 0;
    for (const StandardButton& each : kStandardButtons) {
        if (!(m_buttons & each.flag))
            continue;
        if (each.flag == flag) {
            List<UIButton*>::Node* node = m_buttonList.nodeAt(position);
            return node ? node->value : nullptr;
        }
        ++position;
    }
    return nullptr;
}

void UIMessageBox::retranslate()
{
    if (m_check)
        m_check->setText(translated(kDoNotShowAgainText));
    int position = 0;
    for (const StandardButton& each : kStandardButtons) {
        if (!(m_buttons & each.flag))
            continue;
        if (List<UIButton*>::Node* node = m_buttonList.nodeAt(position))
            node->value->setText(translated(each.text));
        ++position;
    }
}

int UIMessageBox::withCheckFlag(int result) const
{
    return m_check && m_check->isChecked() ? result | kDoNotShowAgain : result;
}

void UIMessageBox::done(int result)
{
    killTimer(kSoundTimerId);
    m_done = true;
    UIDialog::done(withCheckFlag(result));
}

void UIMessageBox::closeEvent(UIEvent* event)
{
    // Closed without a button (the title bar's close): nothing was chosen,
    // but the tick still counts.
    if (!m_done)
        setResult(withCheckFlag(0));
    killTimer(kSoundTimerId);
    UIDialog::closeEvent(event);
}

void UIMessageBox::showEvent(UIEvent* event)
{
    startTimer(kSoundTimerId, kSoundDelay);
    const UITheme* theme = UIApplication::instance()->theme();
    const int padding = theme ? theme->metric(kWindowDesktopPadding) : 0;
    const Rect frame = frameGeometry();
    const Rect area = UIWorkArea::at(frame.topLeft());
    if (!area.isEmpty()) {
        const Rect inner = area.adjusted(padding, padding, -padding, -padding);
        moveTo(UIWorkArea::keepInside(inner, frame).topLeft());
    }
    if (m_options & kDefaultButtonOption)
        UIDialog::showEvent(event);
}

void UIMessageBox::timerEvent(UIEvent* event)
{
    if (static_cast<UICustomEvent*>(event)->code() == kSoundTimerId) {
        killTimer(kSoundTimerId);
        const int sound = soundOf(m_kind);
        if (sound == 0)
            return;
        if (SoundPlayer player = soundPlayer())
            player(sound);
        else
            UIApplication::instance()->playSound(sound);
        return;
    }
    if (m_options & kDefaultButtonOption)
        UIDialog::timerEvent(event);
}

String UIMessageBox::copyText() const
{
    String joined;
    const String parts[] = {windowTitle(), m_text, m_informativeText};
    for (const String& part : parts) {
        if (part.isEmpty())
            continue;
        if (!joined.isEmpty())
            joined.append(String(u"\r\n"));
        joined.append(part);
    }
    return joined;
}

void UIMessageBox::keyPressEvent(UIEvent* event)
{
    const auto* key = static_cast<UIKeyEvent*>(event);
    if (key->key() == kCopyKey && (key->modifiers() & 2)) {
        const String text = copyText();
        if (!text.isEmpty())
            UIApplication::instance()->clipboard()->setText(text);
        return;
    }
    // Escape rejects, as the title bar's close would.
    UIDialog::keyPressEvent(event);
}
