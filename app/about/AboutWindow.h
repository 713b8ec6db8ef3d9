#pragma once

#include "app/window/Window.h"

#include <cstdint>

class UIBox;
class UIButton;
class UIDialog;
class UILabel;
class UILine;
class UILink;
class UIPicture;

// The program's logo, name and version, what it is for, a link to its web
// page and the maker's line with the current year.
class AboutWindow : public Window
{
public:
    // The language items of the description and of the button's caption.
    static constexpr uint64_t kDescriptionId = 0x6853114BA6AA3192ull;
    static constexpr uint64_t kCloseCaptionId = 0x3B191D88F698DFB1ull;

    AboutWindow();
    ~AboutWindow() override;
    AboutWindow(const AboutWindow&) = delete;
    AboutWindow& operator=(const AboutWindow&) = delete;

    // Runs the dialog until it closes.
    void exec();
    void close();

    // The installed language's text of the item, else our own English one.
    static String description();
    static String closeCaption();
    // "©", the year and the maker's name.
    static String makerLine(int year, const String& makerName);

    UIDialog* dialog() const { return m_dialog; }
    UILabel* nameLabel() const { return m_nameLabel; }
    UILabel* descriptionLabel() const { return m_descriptionLabel; }
    UILabel* makerLabel() const { return m_makerLabel; }
    UILink* link() const { return m_link; }
    UIButton* closeButton() const { return m_closeButton; }

private:
    void buildUi();
    void buildTextColumn();
    void buildButtonRow();

    UIDialog* m_dialog = nullptr;
    UIPicture* m_logo = nullptr;
    UIBox* m_textBox = nullptr;
    UILabel* m_nameLabel = nullptr;
    UILabel* m_descriptionLabel = nullptr;
    UILink* m_link = nullptr;
    UILabel* m_makerLabel = nullptr;
    UILine* m_line = nullptr;
    UIBox* m_buttonBox = nullptr;
    UIButton* m_closeButton = nullptr;
};
