#pragma once

#include "app/window/Window.h"
#include "foundation/text/String.h"

class CollectionModel;
class ConfigFile;
class UIButton;
class UICheck;
class UIColorPicker;
class UIComboBox;
class UIDialog;
class UIGroup;
class UISlider;
class UISpinBox;
class UIStack;
class UITabBar;
class UIWidget;
class View;

// The user's settings on three pages: General, Display and Loans. OK
// writes them into the model and the View, and the language straight into
// the configuration; Cancel changes nothing.
class OptionsWindow : public Window
{
public:
    static constexpr int kMinimumFontSize = 12;
    static constexpr int kMaximumFontSize = 22;
    // Restore Defaults gives the card the smallest size, not the
    // configuration's own default.
    static constexpr int kRestoredFontSize = 12;

    OptionsWindow(CollectionModel& model, View& view, ConfigFile& config, UIWidget* parent);
    ~OptionsWindow() override;
    OptionsWindow(const OptionsWindow&) = delete;
    OptionsWindow& operator=(const OptionsWindow&) = delete;

    // Loads the controls and runs the dialog; true when closed with OK.
    bool exec();
    // Shows the stored settings in the controls (exec does this first).
    void load();
    void restoreDefaults();
    void apply();
    void cancel();
    void setCurrentPage(int index);
    void onLanguageChosen(int index);

    UIDialog* dialog() const { return m_dialog; }
    UITabBar* pageBar() const { return m_pageBar; }
    UIComboBox* languageBox() const { return m_language; }
    UIComboBox* timeFormatBox() const { return m_timeFormat; }
    UICheck* askCheck() const { return m_askForConfirmation; }
    UICheck* openLastCheck() const { return m_openLast; }
    UICheck* ignoreArticleCheck() const { return m_ignoreArticle; }
    UIColorPicker* listColor(int index) const { return m_listColors[index]; }
    UICheck* showTitleCheck() const { return m_showTitle; }
    UIColorPicker* cardColor(int index) const { return m_cardColors[index]; }
    UIComboBox* fontBox() const { return m_fontFamily; }
    UISlider* fontSizeSlider() const { return m_fontSize; }
    UICheck* autoResizeCheck() const { return m_autoResize; }
    UISpinBox* loanPeriodBox() const { return m_loanPeriod; }
    UIButton* restoreButton() const { return m_restore; }
    UIButton* okButton() const { return m_ok; }
    UIButton* cancelButton() const { return m_cancel; }

private:
    void buildUi();
    void connectSignals();
    void buildGeneralPage(UIWidget* page);
    void buildDisplayPage(UIWidget* page);
    void buildLoansPage(UIWidget* page);
    void buildButtonRow();
    void fillLanguages();
    UIGroup* addTitledGroup(UIWidget* parent, const char16_t* title);
    UICheck* addCheck(UIWidget* group, const char16_t* text);
    UIColorPicker* addColorRow(UIWidget* group, const char16_t* label);
    // Selects the family, listing it first when it is not installed, so
    // that OK stores what was there rather than another family.
    void selectFontFamily(const String& family);
    String tr(const char16_t* text) const;

    CollectionModel& m_model;
    View& m_view;
    ConfigFile& m_config;
    UIWidget* m_parent = nullptr;
    // "model/language" as it was when the window was built.
    String m_storedLanguage;
    // Whether an installed language matches the stored one, and whether the
    // user chose one since: otherwise OK leaves the stored value alone.
    bool m_languageMatched = false;
    bool m_languageChosen = false;
    bool m_fillingLanguages = false;
    UIDialog* m_dialog = nullptr;
    UITabBar* m_pageBar = nullptr;
    UIStack* m_stack = nullptr;
    UIComboBox* m_language = nullptr;
    UIComboBox* m_timeFormat = nullptr;
    UICheck* m_askForConfirmation = nullptr;
    UICheck* m_openLast = nullptr;
    UICheck* m_ignoreArticle = nullptr;
    UIColorPicker* m_listColors[3] = {nullptr, nullptr, nullptr};
    UICheck* m_showTitle = nullptr;
    UIColorPicker* m_cardColors[4] = {nullptr, nullptr, nullptr, nullptr};
    UIComboBox* m_fontFamily = nullptr;
    UISlider* m_fontSize = nullptr;
    UICheck* m_autoResize = nullptr;
    UISpinBox* m_loanPeriod = nullptr;
    UIButton* m_restore = nullptr;
    UIButton* m_ok = nullptr;
    UIButton* m_cancel = nullptr;
};
