// The movie editor's dialog and its seven pages.
#include "app/movie/AddEditMovieWindow.h"

#include "app/movie/EditorIcons.h"
#include "app/movie/MovieListEditor.h"
#include "app/window/DialogLabel.h"
#include "app/window/FieldGroup.h"
#include "app/window/Shown.h"
#include "graphics/image/ImageSet.h"
#include "graphics/paint/FontFamilies.h"
#include "model/CollectionModel.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/layout/UISizePolicy.h"
#include "ui/core/theme/UITheme.h"
#include "ui/core/widget/UINativeWindow.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/buttons/UICheck.h"
#include "ui/widgets/color/UIColorPicker.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/decorative/UIExpander.h"
#include "ui/widgets/decorative/UIStackPage.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/group/UIGroup.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/picture/UIPicture.h"
#include "ui/widgets/spinbox/UISpinBox.h"
#include "ui/widgets/stack/UIStack.h"
#include "ui/widgets/tabs/UITabBar.h"
#include "ui/widgets/text/UITextEdit.h"
#include "ui/widgets/text/UITextEditView.h"
#include "ui/widgets/window/UIDialog.h"

namespace {

const char16_t kContext[] = u"AddEditMovieWindow";

String tr(const char16_t* text)
{
    return Window::translate(text, kContext);
}

ImageSet dataIcon(const String& name)
{
    return ImageSet::ImageSetFromImage(EditorIcons::get(name));
}

// A box laying its children out side by side or one below the other.
UIBox* box(UIWidget* parent, bool vertical)
{
    auto* made = shown(new UIBox(parent));
    made->setVerticalFlow(vertical ? 1 : 0);
    made->setLayoutMargin(0);
    made->applyMetricSpacing();
    return made;
}

// A group of label and editor rows.
UIGroup* formGroup(UIWidget* parent, const String& title)
{
    auto* group = shown(makeFieldGroup(parent));
    group->setTitle(title);
    group->applyMetricSpacing();
    return group;
}

struct PageSpec
{
    const char16_t* title;
    const char16_t* icon;
};

const PageSpec kPages[AddEditMovieWindow::kPageCount] = {
    {u"General", u"clapperboard"},
    {u"Additional", u"additional"},
    {u"Cast & Crew", u"user-silhouette"},
    {u"Episodes", u"episodes16"},
    {u"Plot, Notes & Tags", u"sticky-note-text"},
    {u"Links", u"link-online"},
    {u"Display", u"palette"},
};

const char16_t* const kImageTools[][2] = {
    {u"search-local", u"Browse..."},
    {u"search-online", u"Search Online..."},
    {u"clipboard-paste-image", u"Paste Image"},
    {u"clipboard-copy-image", u"Copy Image"},
    {u"eraser", u"Clear"},
};

const char16_t* const kColourLabels[4] = {u"Background Color", u"Text Color", u"Title Color", u"Link Color"};

} // namespace

void AddEditMovieWindow::buildDialog()
{
    m_dialog = new UIDialog(m_parent, UINativeWindow::kResizable | UINativeWindow::kMinimizeBox |
                                          UINativeWindow::kMaximizeBox | UINativeWindow::kSystemMenu |
                                          UINativeWindow::kKeyPreview);
    // Every widget shown would lay the dialog out again: it is laid out once,
    // when the build is done.
    m_dialog->setUpdatesEnabled(false);
    m_dialog->setWindowTitle(tr(m_editing ? u"Edit Movie" : u"Add Movie"), true);
    m_dialog->setObjectId(String(u"movieEditor"));
    m_dialog->setMinimumSize(700, 400);
    m_dialog->setVerticalFlow(1);
    m_dialog->applyMetricMargins();
    m_dialog->applyMetricSpacing();
    m_pageBar = shown(new UITabBar(m_dialog));
    m_pageBar->setTabStyle(UITabBar::kIconAndText);
    m_pageStack = shown(new UIStack(kPageCount, m_dialog));
    m_pageStack->setSizePolicy(UISizePolicy::kExpanding, UISizePolicy::kExpanding);
    m_dialog->setRowStretch(1, 100.0f);
    for (int i = 0; i < kPageCount; ++i)
        m_pageBar->addTab(dataIcon(String(kPages[i].icon)), tr(kPages[i].title));
    // Every widget costs a surface of its own: the pages the user never
    // looks at are never made.
    buildPage(kGeneralPage);
    m_pageBuilt[kGeneralPage] = true;
    m_pageBar->setCurrentIndex(0);
    m_pageStack->setCurrentIndex(0);
    buildBottomRow();
    m_dialog->setUpdatesEnabled(true);
}

void AddEditMovieWindow::ensurePage(int index)
{
    if (index < 0 || index >= kPageCount || m_pageBuilt[index])
        return;
    const bool updates = m_dialog->updatesEnabled();
    m_dialog->setUpdatesEnabled(false);
    buildPage(index);
    m_pageBuilt[index] = true;
    if (m_workingCopy)
        fillPage(index, true);
    m_dialog->setUpdatesEnabled(updates);
}

UIWidget* AddEditMovieWindow::buildPage(int index)
{
    UIWidget* page = m_pageStack->page(index);
    page->setVerticalFlow(1);
    page->applyMetricSpacing();
    switch (index) {
    case kGeneralPage:
        buildGeneralPage(page);
        break;
    case kAdditionalPage:
        buildAdditionalPage(page);
        break;
    case kCastCrewPage:
        buildCastCrewPage(page);
        break;
    case kEpisodesPage:
        buildEpisodesPage(page);
        break;
    case kPlotPage:
        buildPlotPage(page);
        break;
    case kLinksPage:
        buildLinksPage(page);
        break;
    default:
        buildDisplayPage(page);
        break;
    }
    return page;
}

UILineEdit* AddEditMovieWindow::addLineRow(UIWidget* group, const char16_t* text)
{
    addLabel(group, tr(text));
    return shown(new UILineEdit(group));
}

void AddEditMovieWindow::buildGeneralPage(UIWidget* page)
{
    page->setVerticalFlow(0);
    page->setColumnStretch(0, 100.0f);
    page->setColumnStretch(1, 100.0f);
    UIGroup* fields = formGroup(page, String());
    fields->setLayoutAlignment(0x21);
    addLabel(fields, tr(u"Title"));
    UIBox* titleRow = box(fields, false);
    titleRow->setColumnStretch(0, 100.0f);
    m_title = shown(new UILineEdit(titleRow));
    m_title->setSizePolicy(UISizePolicy::kExpanding, UISizePolicy::kPreferred);
    m_extractionBar = shown(new UITabBar(titleRow));
    m_extractionBar->setTabStyle(UITabBar::kIconAndText);
    m_extractionBar->setExclusive(false);
    m_extractionBar->addTab(dataIcon(String(u"extract-options")), String());
    m_extractionBar->setTabToolTip(0, tr(u"Options..."));
    m_extractionBar->addTab(ImageSet(), String());
    m_extractionBar->setAllTabsSelectable(false);
    m_originalTitle = addLineRow(fields, u"Original Title");
    m_genre = addLineRow(fields, u"Genre");
    m_studio = addLineRow(fields, u"Studio");
    m_country = addLineRow(fields, u"Country");
    m_language = addLineRow(fields, u"Language");
    addLabel(fields, tr(u"Year"));
    m_year = shown(new UISpinBox(fields));
    m_year->setSpecialValueText(tr(u"n/a"));
    addLabel(fields, tr(u"Running Time"));
    m_runningTime = shown(new UISpinBox(fields));
    m_runningTime->setRange(0, 100000);
    m_runningTime->setSpecialValueText(tr(u"n/a"));
    m_runningTime->setSuffix(String(u" ") + tr(u"mins"));
    addLabel(fields, tr(u"Color"));
    m_colour = shown(new UIComboBox(fields));
    m_colour->addItem(tr(u"n/a"));
    m_colour->addIconItem(tr(u"Color"), EditorIcons::get(String(u"color")));
    m_colour->addIconItem(tr(u"Black & White"), EditorIcons::get(String(u"bw")));
    m_colour->addIconItem(tr(u"Color, Black & White"), EditorIcons::get(String(u"color-bw")));
    buildCoversBox(page);
}

UITabBar* AddEditMovieWindow::buildImageToolBar(UIWidget* parent)
{
    auto* bar = shown(new UITabBar(parent));
    bar->setTabStyle(UITabBar::kIconOnly);
    bar->setExclusive(false);
    for (int i = 0; i < 5; ++i) {
        bar->addTab(dataIcon(String(kImageTools[i][0])), String());
        bar->setTabToolTip(i, tr(kImageTools[i][1]));
    }
    bar->setAllTabsSelectable(false);
    return bar;
}

UIPicture* AddEditMovieWindow::buildDropPicture(UIWidget* parent)
{
    auto* picture = shown(new UIPicture(parent));
    picture->setAutoSize(false);
    picture->setSizePolicy(UISizePolicy::kPreferred, UISizePolicy::kPreferred);
    picture->setFlag(UIWidget::kWantsDoubleClicks, true);
    picture->setAcceptDrops(true);
    picture->setToolTip(tr(u"Drag and drop image here."));
    picture->dragEntered.connectWithArg(this, &AddEditMovieWindow::onPictureDrag);
    picture->dragMoved.connectWithArg(this, &AddEditMovieWindow::onPictureDrag);
    return picture;
}

void AddEditMovieWindow::buildCoversBox(UIWidget* parent)
{
    auto* covers = shown(new UIGroup(parent));
    covers->setVerticalFlow(1);
    covers->applyMetricSpacing();
    m_coverKinds = shown(new UITabBar(covers));
    m_coverKinds->setTabStyle(UITabBar::kTextOnly);
    m_coverKinds->setLayoutAlignment(0x30);
    for (const char16_t* kind : {u"Poster", u"Front Cover", u"Back Cover"})
        m_coverKinds->addTextTab(tr(kind));
    m_coverKinds->setCurrentIndex(0);
    m_coverPicture = buildDropPicture(covers);
    m_coverPicture->setObjectId(String(u"coverPicture"));
    m_coverPicture->setLayoutAlignment(0x30);
    m_coverPicture->setMinimumHeight(280);
    m_coverPicture->setSizePolicy(UISizePolicy::kExpanding, UISizePolicy::kExpanding);
    covers->setRowStretch(1, 100.0f);
    m_coverTools = buildImageToolBar(covers);
    m_coverTools->setObjectId(String(u"coverTools"));
    m_coverTools->setLayoutAlignment(0x30);
}

void AddEditMovieWindow::buildAdditionalPage(UIWidget* page)
{
    UIGroup* rating = formGroup(page, tr(u"Rating"));
    addLabel(rating, tr(u"IMDb Rating"));
    m_imdbRating = shown(new UISpinBox(rating));
    m_imdbRating->setRange(0, 10);
    m_imdbRating->setDecimals(1);
    m_imdbRating->setStep(0.1);
    m_imdbRating->setSpecialValueText(tr(u"n/a"));
    m_mpaaRating = addLineRow(rating, u"MPAA Rating");
    addLabel(rating, tr(u"My Rating"));
    UIBox* ratingRow = box(rating, false);
    m_myRating = shown(new UIComboBox(ratingRow));
    m_myRating->addItem(tr(u"n/a"));
    for (int stars = 1; stars <= 10; ++stars)
        m_myRating->addIconItem(EditorIcons::get(String(u"star") + String::fromInt(stars)));
    m_myRating->setMaxVisibleItems(11);
    m_myRatingLabel = addLabel(ratingRow, String());
    shown(new UIExpander(ratingRow));
    m_myRating->currentIndexChanged.connectWithArg(this, &AddEditMovieWindow::onMyRatingChanged);

    UIGroup* edition = formGroup(page, tr(u"Edition"));
    m_format = addLineRow(edition, u"Format");
    m_format->setMinimumWidth(120);
    m_format->setMaximumWidth(150);
    m_format->completer().setMaximumMatches(20);
    m_barcode = addLineRow(edition, u"Bar Code");
    m_barcode->setMaxLength(13);
    m_barcode->setMaximumWidth(120);

    UIGroup* personal = formGroup(page, tr(u"Personal"));
    m_price = addLineRow(personal, u"Purchase Price");
    m_price->setMinimumWidth(50);
    addLabel(personal, String());
    m_seen = shown(new UICheck(personal));
    m_seen->setText(tr(u"Seen It"));
    addLabel(personal, String());
    m_wish = shown(new UICheck(personal));
    m_wish->setText(tr(u"Wish List"));
    shown(new UIExpander(page));
    page->setRowStretch(3, 100.0f);
}

void AddEditMovieWindow::buildCastCrewPage(UIWidget* page)
{
    page->setVerticalFlow(0);
    page->setColumnStretch(0, 100.0f);
    page->setColumnStretch(1, 100.0f);
    UIGroup* cast = shown(new UIGroup(page));
    cast->setTitle(tr(u"Cast"));
    cast->setVerticalFlow(1);
    cast->setRowStretch(1, 100.0f);
    m_lists[MovieListEditor::kCast] = new MovieListEditor(MovieListEditor::kCast, cast, m_dialog);
    UIGroup* crew = shown(new UIGroup(page));
    crew->setTitle(tr(u"Crew"));
    crew->setVerticalFlow(1);
    crew->setRowStretch(1, 100.0f);
    m_lists[MovieListEditor::kCrew] = new MovieListEditor(MovieListEditor::kCrew, crew, m_dialog);
}

void AddEditMovieWindow::buildEpisodesPage(UIWidget* page)
{
    m_episodeCount = addLabel(page, String());
    m_lists[MovieListEditor::kEpisodes] = new MovieListEditor(MovieListEditor::kEpisodes, page, m_dialog);
    m_lists[MovieListEditor::kEpisodes]->setCountLabel(m_episodeCount);
    page->setRowStretch(2, 100.0f);
}

void AddEditMovieWindow::buildLinksPage(UIWidget* page)
{
    m_lists[MovieListEditor::kLinks] = new MovieListEditor(MovieListEditor::kLinks, page, m_dialog);
    page->setRowStretch(1, 100.0f);
}

void AddEditMovieWindow::buildPlotPage(UIWidget* page)
{
    addLabel(page, tr(u"Plot"));
    m_plot = shown(new UITextEditView(page));
    m_plot->textEdit()->setWordWrap(true);
    addLabel(page, tr(u"Notes"));
    m_notes = shown(new UITextEditView(page));
    m_notes->textEdit()->setWordWrap(true);
    addLabel(page, tr(u"Tags"));
    UIBox* tagsRow = box(page, false);
    tagsRow->setColumnStretch(0, 100.0f);
    m_tags = shown(new UILineEdit(tagsRow));
    m_tagsHelp = shown(new UIButton(tagsRow));
    m_tagsHelp->setFlat(true);
    if (const UITheme* theme = UIApplication::instance()->theme())
        m_tagsHelp->setIcon(ImageSet::ImageSetFromImage(theme->image(UITheme::kQuestionSmall)));
    m_tagsHelp->clicked.connect(this, &AddEditMovieWindow::onTagsHelp);
    page->setRowStretch(1, 60.0f);
    page->setRowStretch(3, 40.0f);
}

void AddEditMovieWindow::buildDisplayPage(UIWidget* page)
{
    page->setVerticalFlow(0);
    page->setColumnStretch(1, 100.0f);
    UIGroup* card = formGroup(page, String());
    card->setLayoutAlignment(0x21);
    for (int i = 0; i < 4; ++i) {
        addLabel(card, tr(kColourLabels[i]));
        m_colors[i] = shown(new UIColorPicker(card));
    }
    addLabel(card, tr(u"Font Family"));
    m_font = shown(new UIComboBox(card));
    addLabel(card, String());
    m_reset = shown(new UIButton(card));
    m_reset->setText(tr(u"Reset"));
    UIBox* background = box(page, true);
    auto* title = addLabel(background, tr(u"Background Image"));
    title->setLayoutAlignment(5);
    m_backgroundPicture = buildDropPicture(background);
    m_backgroundPicture->setMinimumSize(250, 200);
    m_backgroundPicture->setSizePolicy(UISizePolicy::kExpanding, UISizePolicy::kExpanding);
    background->setRowStretch(1, 100.0f);
    m_backgroundTools = buildImageToolBar(background);
    m_backgroundTools->setLayoutAlignment(5);
    m_reset->clicked.connect(this, &AddEditMovieWindow::onResetDisplay);
    m_backgroundTools->tabClicked.connectWithArg(this, &AddEditMovieWindow::onBackgroundTab);
    m_backgroundPicture->mouseDoubleClicked.connectWithArg(this,
                                                           &AddEditMovieWindow::onBackgroundDoubleClick);
    m_backgroundPicture->dropped.connectWithArg(this, &AddEditMovieWindow::onBackgroundDrop);
}

void AddEditMovieWindow::buildBottomRow()
{
    UIBox* row = box(m_dialog, false);
    m_stepBar = shown(new UITabBar(row));
    m_stepBar->setTabStyle(UITabBar::kIconOnly);
    m_stepBar->setExclusive(false);
    m_stepBar->setMinimumHeight(34);
    m_stepBar->addTab(dataIcon(String(u"prev-movie")), String());
    m_stepBar->addTab(dataIcon(String(u"next-movie")), String());
    m_stepBar->setAllTabsSelectable(false);
    shown(new UIExpander(row));
    m_ok = shown(new UIButton(row));
    m_ok->setText(tr(u"OK"));
    m_ok->setColorVariant(3);
    m_cancel = shown(new UIButton(row));
    m_cancel->setText(tr(u"Cancel"));
}

void AddEditMovieWindow::connectSignals()
{
    m_ok->clicked.connect(this, &AddEditMovieWindow::onOk);
    m_cancel->clicked.connect(this, &AddEditMovieWindow::onCancel);
    m_dialog->shown.connectWithArg(this, &AddEditMovieWindow::onShown);
    m_pageBar->currentChanged.connectWithArg(this, &AddEditMovieWindow::onPageChanged);
    m_stepBar->tabClicked.connectWithArg(this, &AddEditMovieWindow::onStepTab);
    m_extractionBar->tabClicked.connectWithArg(this, &AddEditMovieWindow::onExtractionTab);
    m_coverKinds->currentChanged.connect(this, &AddEditMovieWindow::showCover);
    m_coverTools->tabClicked.connectWithArg(this, &AddEditMovieWindow::onCoverTab);
    m_coverPicture->mouseDoubleClicked.connectWithArg(this, &AddEditMovieWindow::onCoverDoubleClick);
    m_coverPicture->dropped.connectWithArg(this, &AddEditMovieWindow::onCoverDrop);
}
