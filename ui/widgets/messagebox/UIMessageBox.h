#pragma once

#include "foundation/containers/List.h"
#include "ui/widgets/window/UIDialog.h"

#include <memory>
#include <vector>

class UIBox;
class UIButton;
class UICheck;
class UILine;

// The modal box with which the program asks and informs: the icon of its
// kind, a bold main text, an optional informative text, and a row with an
// optional "Do not show again." check box and the chosen standard buttons.
// The static runs build, run and destroy a box in one call and return the
// pressed button's flag, plus DoNotShowAgain when the box was ticked.
class UIMessageBox : public UIDialog
{
public:
    // Kinds.
    static constexpr int kNoIcon = 0;
    static constexpr int kInformation = 1;
    static constexpr int kQuestion = 2;
    static constexpr int kWarning = 3;
    static constexpr int kCritical = 4;
    // Options.
    static constexpr int kDefaultButtonOption = 1;
    static constexpr int kDoNotShowAgainOption = 4;
    // Standard buttons.
    static constexpr int kProceed = 0x40000;
    static constexpr int kRestoreDefaults = 0x1;
    static constexpr int kRestartNow = 0x2;
    static constexpr int kYes = 0x800;
    static constexpr int kOk = 0x4;
    static constexpr int kOpen = 0x8;
    static constexpr int kSave = 0x10;
    static constexpr int kCancel = 0x20;
    static constexpr int kClose = 0x40;
    static constexpr int kApply = 0x80;
    static constexpr int kReset = 0x100;
    static constexpr int kHelp = 0x200;
    static constexpr int kSaveAll = 0x400;
    static constexpr int kNo = 0x2000;
    static constexpr int kNoToAll = 0x4000;
    static constexpr int kYesToAll = 0x1000;
    static constexpr int kAbort = 0x8000;
    static constexpr int kRetry = 0x10000;
    static constexpr int kIgnore = 0x20000;
    static constexpr int kDoNotShowAgain = 0x100000;
    static constexpr int kSoundTimerId = 100018;
    static constexpr int kSoundDelay = 50;
    static constexpr int kMinimumWidth = 250;
    static constexpr int kCopyKey = 67;

    // Plays a system sound of a kind; the application's player unless a test
    // counts them.
    using SoundPlayer = void (*)(int kind);

    explicit UIMessageBox(UIWidget* parent);
    UIMessageBox(int kind, const String& title, const String& text, int buttons, UIWidget* parent);
    ~UIMessageBox() override;

    static int information(UIWidget* parent, const String& title, const String& text,
                           const String& informativeText, int buttons, int options);
    static int question(UIWidget* parent, const String& title, const String& text,
                        const String& informativeText, int buttons, int options);
    static int warning(UIWidget* parent, const String& title, const String& text,
                       const String& informativeText, int buttons, int options);
    static int critical(UIWidget* parent, const String& title, const String& text,
                        const String& informativeText, int buttons, int options);

    static void setSoundPlayer(SoundPlayer player);
    // The system sound of a kind of box; 0 for none.
    static int soundOf(int kind);
    // The buttons' texts in their order of creation, untranslated.
    static int standardButtonCount();
    static int standardButton(int position);
    static const char16_t* standardButtonText(int flag);

    // An empty title is ignored; the application's name follows the title.
    void setTitle(const String& title);
    String title() const { return windowTitle(); }
    void setText(const String& text) { m_text = text; }
    const String& text() const { return m_text; }
    void setInformativeText(const String& text) { m_informativeText = text; }
    const String& informativeText() const { return m_informativeText; }
    void setKind(int kind) { m_kind = kind; }
    int kind() const { return m_kind; }
    void setButtons(int buttons) { m_buttons = buttons; }
    int buttons() const { return m_buttons; }
    void setOptions(int options) { m_options = options; }
    int options() const { return m_options; }

    // Builds the content and runs the box modally; the result.
    int exec();
    // What exec does before showing: margins, content and default button.
    void prepare();
    // Makes the children anew from the settings.
    void build();
    UICheck* checkBox() const { return m_check; }
    const List<UIButton*>& buttonList() const { return m_buttonList; }
    // The button made for a flag, or null.
    UIButton* button(int flag) const;
    // Title, text and informative text, one a line.
    String copyText() const;

    void done(int result) override;
    void retranslate() override;

protected:
    void keyPressEvent(UIEvent* event) override;
    void timerEvent(UIEvent* event) override;
    void showEvent(UIEvent* event) override;
    void closeEvent(UIEvent* event) override;

private:
    class ButtonSlot;

    static int run(int kind, UIWidget* parent, const String& title, const String& text,
                   const String& informativeText, int buttons, int options);
    void clearContent();
    bool isChild(const UIWidget* widget) const;
    int withCheckFlag(int result) const;

    int m_kind = kNoIcon;
    String m_text;
    String m_informativeText;
    int m_options = 0;
    int m_buttons = 0;
    UICheck* m_check = nullptr;
    List<UIButton*> m_buttonList;
    std::vector<std::unique_ptr<ButtonSlot>> m_slots;
    std::vector<UIWidget*> m_rows;
    bool m_done = false;
};
