#include "app/options/OptionsWindow.h"

#include "app/view/View.h"
#include "app/window/DialogLabel.h"
#include "app/window/DialogRun.h"
#include "app/window/FieldGroup.h"
#include "app/window/Shown.h"
#include "app/window/StackedDialog.h"
#include "foundation/core/AppCore.h"
#include "foundation/data/ConfigFile.h"
#include "foundation/data/Variant.h"
#include "graphics/paint/FontFamilies.h"
#include "model/CollectionModel.h"
#include "model/records/LoanerList.h"
#include "model/records/RecordFormat.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/buttons/UICheck.h"
#include "ui/widgets/color/UIColorPicker.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/combo/UIComboBoxItem.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/decorative/UIExpander.h"
#include "ui/widgets/decorative/UILine.h"
#include "ui/widgets/decorative/UIStackPage.h"
#include "ui/widgets/group/UIGroup.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/range/UISlider.h"
#include "ui/widgets/spinbox/UISpinBox.h"
#include "ui/widgets/stack/UIStack.h"
#include "ui/widgets/tabs/UITabBar.h"
#include "ui/widgets/window/UIDialog.h"

namespace {

const char16_t kContext[] = u"OptionsWindow";
const char16_t kGeometry[] = u"Options";
const char16_t kLanguageKey[] = u"model/language";
const char16_t kDefaultFontFamily[] = u"Tahoma";
const int kDefaultLoanPeriod = 14;

const Color kDefaultListColors[3] = {Color(165, 133, 0), Color(250, 242, 231), Color(82, 62, 1)};
const Color kDefaultCardColors[4] = {Color(242, 238, 209), Color(139, 105, 1), Color(121, 75, 0),
                                     Color(0, 134, 255)};

template <class W> W* spanning(W* widget)
{
    widget->setColumnSpan(2);
    widget->show();
    return widget;
}

UIGroup* twoColumnGroup(UIWidget* parent)
{
    auto* group = shown(makeFieldGroup(parent));
    group->applyMetricSpacing();
    return group;
}

} // namespace

OptionsWindow::OptionsWindow(CollectionModel& model, View& view, ConfigFile& config, UIWidget* parent)
    : m_model(model), m_view(view), m_config(config), m_parent(parent)
{
    buildUi();
    connectSignals();
}

OptionsWindow::~OptionsWindow()
{
    delete m_dialog;
}

String OptionsWindow::tr(const char16_t* text) const
{
    return translate(text, kContext);
}

void OptionsWindow::buildUi()
{
    m_dialog = makeStackedDialog(m_parent, UINativeWindow::kSystemMenu, tr(u"Options"));
    m_dialog->applyMetricSpacing();
    m_dialog->setMinimumWidth(550);
    // The ids driven tests find the window and its language box by.
    m_dialog->setObjectId(String(u"options"));

    m_pageBar = shown(new UITabBar(m_dialog));
    for (const char16_t* title : {u"General", u"Display", u"Loans"})
        m_pageBar->addTextTab(tr(title));
    m_stack = shown(new UIStack(3, m_dialog));
    m_stack->setLayoutMargin(0);
    m_stack->setSizePolicy(UISizePolicy::kExpanding, UISizePolicy::kExpanding);
    buildGeneralPage(m_stack->page(0));
    buildDisplayPage(m_stack->page(1));
    buildLoansPage(m_stack->page(2));
    buildButtonRow();
}

void OptionsWindow::buildGeneralPage(UIWidget* page)
{
    page->setVerticalFlow(1);
    UIGroup* group = twoColumnGroup(page);
    group->setSizePolicy(UISizePolicy::kExpanding, UISizePolicy::kExpanding);
    addLabel(group, tr(u"Language"));
    m_language = shown(new UIComboBox(group));
    m_language->setObjectId(String(u"language"));
    m_language->setSorted(true);
    fillLanguages();
    addLabel(group, tr(u"Time Format"));
    m_timeFormat = shown(new UIComboBox(group));
    for (const char16_t* format : {u"Auto", u"Minutes", u"Hours & Minutes"})
        m_timeFormat->addItem(tr(format));
    spanning(new UILine(group));
    m_askForConfirmation = addCheck(group, u"Ask for confirmation when removing movies.");
    m_openLast = addCheck(group, u"When Reelstack starts, open the last used collection.");
    m_ignoreArticle = addCheck(group, u"Ignore article when sorting titles.");
    spanning(new UIExpander(group));
}

void OptionsWindow::fillLanguages()
{
    m_storedLanguage = m_config.value(String(kLanguageKey), Variant()).toString();
    AppCore* core = AppCore::instance();
    if (!core)
        return;
    String matchedNative;
    m_fillingLanguages = true;
    for (const LanguageInfo& language : core->listLanguages(String())) {
        UIComboBoxItem* item = m_language->addItem(language.nativeName);
        item->UIItem::setText(language.englishName);
        if (String::equalsIgnoreCase(language.englishName, m_storedLanguage)) {
            matchedNative = language.nativeName;
            m_languageMatched = true;
        }
    }
    if (m_languageMatched)
        m_language->setCurrentText(matchedNative, String::kCaseSensitive);
    m_fillingLanguages = false;
}

void OptionsWindow::buildDisplayPage(UIWidget* page)
{
    page->setVerticalFlow(1);
    UIGroup* list = addTitledGroup(page, u"Movie List");
    m_listColors[0] = addColorRow(list, u"Background Color");
    m_listColors[1] = addColorRow(list, u"Text Color");
    m_listColors[2] = addColorRow(list, u"Selected Text Color");
    spanning(new UILine(list));
    m_showTitle = addCheck(list, u"Show movie title.");
    shown(new UIExpander(page));
    UIGroup* card = addTitledGroup(page, u"Movie Card");
    m_cardColors[0] = addColorRow(card, u"Background Color");
    m_cardColors[1] = addColorRow(card, u"Text Color");
    m_cardColors[2] = addColorRow(card, u"Title Color");
    m_cardColors[3] = addColorRow(card, u"Link Color");
    addLabel(card, tr(u"Font Family"));
    m_fontFamily = shown(new UIComboBox(card));
    m_fontFamily->addItems(availableFontFamilies());
    addLabel(card, tr(u"Font Size"));
    m_fontSize = shown(new UISlider(card));
    m_fontSize->setRange(kMinimumFontSize, kMaximumFontSize);
    m_fontSize->setMaximumWidth(150);
    spanning(new UILine(card));
    m_autoResize = addCheck(card, u"Auto resize background image to fit screen width.");
}

void OptionsWindow::buildLoansPage(UIWidget* page)
{
    page->setVerticalFlow(1);
    UIGroup* group = twoColumnGroup(page);
    group->setSizePolicy(UISizePolicy::kExpanding, UISizePolicy::kExpanding);
    addLabel(group, tr(u"Default Loan Period"));
    m_loanPeriod = shown(new UISpinBox(group));
    m_loanPeriod->setRange(1, 365);
    m_loanPeriod->setSuffix(String(u" ") + tr(u"days"));
    spanning(new UIExpander(group));
}

void OptionsWindow::buildButtonRow()
{
    auto* row = shown(new UIBox(m_dialog));
    row->setVerticalFlow(0);
    row->setLayoutMargin(0);
    row->applyMetricSpacing();
    m_restore = shown(new UIButton(row));
    m_restore->setText(tr(u"Restore Defaults"));
    shown(new UIExpander(row));
    m_ok = shown(new UIButton(row));
    m_ok->setObjectId(String(u"optionsOk"));
    m_ok->setText(tr(u"OK"));
    m_ok->setColorVariant(3);
    m_cancel = shown(new UIButton(row));
    m_cancel->setText(tr(u"Cancel"));
}

UIGroup* OptionsWindow::addTitledGroup(UIWidget* parent, const char16_t* title)
{
    UIGroup* group = twoColumnGroup(parent);
    group->setTitle(tr(title));
    return group;
}

UICheck* OptionsWindow::addCheck(UIWidget* group, const char16_t* text)
{
    auto* check = spanning(new UICheck(group));
    check->setText(tr(text));
    return check;
}

UIColorPicker* OptionsWindow::addColorRow(UIWidget* group, const char16_t* label)
{
    addLabel(group, tr(label));
    auto* picker = shown(new UIColorPicker(group));
    picker->setAutoToolTip(false);
    return picker;
}

void OptionsWindow::connectSignals()
{
    m_pageBar->currentChanged.connectWithArg(this, &OptionsWindow::setCurrentPage);
    m_language->currentIndexChanged.connectWithArg(this, &OptionsWindow::onLanguageChosen);
    m_restore->clicked.connect(this, &OptionsWindow::restoreDefaults);
    m_ok->clicked.connect(this, &OptionsWindow::apply);
    m_cancel->clicked.connect(this, &OptionsWindow::cancel);
}

bool OptionsWindow::exec()
{
    return runDialogInItsPlace(m_dialog, String(kGeometry), false, [this] { load(); });
}

void OptionsWindow::load()
{
    m_pageBar->setCurrentIndex(0);
    setCurrentPage(0);
    m_timeFormat->setCurrentIndex(RecordFormat::timeFormat());
    m_askForConfirmation->setChecked(m_model.askForConfirmationWhenRemovingMovies());
    m_openLast->setChecked(m_model.openLastCollectionAtStart());
    m_ignoreArticle->setChecked(m_model.ignoreArticleWhenSortingTitles());
    m_loanPeriod->setIntValue(m_model.loaners().defaultLoanPeriod());
    m_listColors[0]->setColor(m_view.movieListBackgroundColor);
    m_listColors[1]->setColor(m_view.movieListTextColor);
    m_listColors[2]->setColor(m_view.movieListSelectedTextColor);
    m_showTitle->setChecked(m_view.movieListShowTitleUnderImage);
    const ViewSettings& card = m_model.viewSettings();
    m_cardColors[0]->setColor(card.movieCardBackgroundColor);
    m_cardColors[1]->setColor(card.movieCardTextColor);
    m_cardColors[2]->setColor(card.movieCardTitleColor);
    m_cardColors[3]->setColor(card.movieCardLinkColor);
    selectFontFamily(card.movieCardFontFamily);
    m_fontSize->setValue(card.movieCardFontSize);
    m_autoResize->setChecked(m_view.movieCardAutoResizeBackground);
}

void OptionsWindow::selectFontFamily(const String& family)
{
    if (family.isEmpty())
        return;
    if (m_fontFamily->findText(family, String::kCaseSensitive) < 0)
        m_fontFamily->addItem(family);
    m_fontFamily->setCurrentText(family, String::kCaseSensitive);
}

void OptionsWindow::restoreDefaults()
{
    m_language->setCurrentIndex(0);
    m_timeFormat->setCurrentIndex(0);
    for (UICheck* check : {m_askForConfirmation, m_openLast, m_ignoreArticle, m_showTitle, m_autoResize})
        check->setChecked(true);
    m_loanPeriod->setIntValue(kDefaultLoanPeriod);
    for (int i = 0; i < 3; ++i)
        m_listColors[i]->setColor(kDefaultListColors[i]);
    for (int i = 0; i < 4; ++i)
        m_cardColors[i]->setColor(kDefaultCardColors[i]);
    selectFontFamily(String(kDefaultFontFamily));
    m_fontSize->setValue(kRestoredFontSize);
}

void OptionsWindow::onLanguageChosen(int index)
{
    if (!m_fillingLanguages && index >= 0)
        m_languageChosen = true;
}

void OptionsWindow::apply()
{
    const UIComboBoxItem* language = m_language->currentItem();
    if (language && (m_languageMatched || m_languageChosen))
        m_config.setValue(String(kLanguageKey), Variant(language->UIItem::text()));
    RecordFormat::setTimeFormat(m_timeFormat->currentIndex());
    m_model.setAskForConfirmationWhenRemovingMovies(m_askForConfirmation->isChecked());
    m_model.setOpenLastCollectionAtStart(m_openLast->isChecked());
    m_model.setIgnoreArticleWhenSortingTitles(m_ignoreArticle->isChecked());
    m_model.loaners().setDefaultLoanPeriod(m_loanPeriod->intValue());
    m_view.movieListBackgroundColor = m_listColors[0]->color();
    m_view.movieListTextColor = m_listColors[1]->color();
    m_view.movieListSelectedTextColor = m_listColors[2]->color();
    m_view.movieListShowTitleUnderImage = m_showTitle->isChecked();
    ViewSettings& card = m_model.viewSettings();
    card.movieCardBackgroundColor = m_cardColors[0]->color();
    card.movieCardTextColor = m_cardColors[1]->color();
    card.movieCardTitleColor = m_cardColors[2]->color();
    card.movieCardLinkColor = m_cardColors[3]->color();
    if (m_fontFamily->currentIndex() >= 0)
        card.movieCardFontFamily = m_fontFamily->currentText();
    card.movieCardFontSize = m_fontSize->value();
    m_view.movieCardAutoResizeBackground = m_autoResize->isChecked();
    m_dialog->accept();
}

void OptionsWindow::cancel()
{
    m_dialog->reject();
}

void OptionsWindow::setCurrentPage(int index)
{
    if (index >= 0)
        m_stack->setCurrentIndex(index);
}
