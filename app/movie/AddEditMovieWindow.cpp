#include "app/movie/AddEditMovieWindow.h"

#include "app/movie/EditorIcons.h"
#include "app/movie/MovieListEditor.h"
#include "app/window/FieldBalloon.h"
#include "app/window/WindowGeometry.h"
#include "foundation/time/DateTime.h"
#include "graphics/image/ImageSet.h"
#include "graphics/paint/FontFamilies.h"
#include "model/CollectionModel.h"
#include "model/application/Application.h"
#include "model/extractors/MovieExtractor.h"
#include "model/records/Movie.h"
#include "ui/core/application/UIApplication.h"
#include "ui/core/events/UIKeyEvent.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/buttons/UICheck.h"
#include "ui/widgets/color/UIColorPicker.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/labels/UILabel.h"
#include "ui/widgets/messagebox/UIMessageBox.h"
#include "ui/widgets/spinbox/UISpinBox.h"
#include "ui/widgets/stack/UIStack.h"
#include "ui/widgets/tabs/UITabBar.h"
#include "ui/widgets/text/UITextEdit.h"
#include "ui/widgets/text/UITextEditView.h"
#include "ui/widgets/window/UIDialog.h"

using namespace MovieFormValues;

namespace {

const char16_t kContext[] = u"AddEditMovieWindow";
const char16_t kGeometryName[] = u"AddEditMovie";
constexpr int kAlertSound = 1;
constexpr int kEnterKey = 13;

String tr(const char16_t* text)
{
    return Window::translate(text, kContext);
}

String textOf(const UITextEditView* view)
{
    return view->textEdit()->text();
}

} // namespace

AddEditMovieWindow::AddEditMovieWindow(CollectionModel& model, UIWidget* parent, Movie* movie,
                                       uint32_t options, const NewMovieRecord& preset)
    : m_model(model), m_parent(parent), m_options(options), m_preset(preset), m_editedMovie(movie),
      m_editing(movie != nullptr)
{
    m_workingCopy = new Movie();
    if (movie) {
        *m_workingCopy = *movie;
    } else {
        m_workingCopy->id = m_model.nextMovieId();
        m_workingCopy->setImagesFolder(m_model.imagesFolder());
    }
    m_staging->open(m_model.collectionFolder());
    buildDialog();
    connectSignals();
    m_title->keyPressed.connectWithArg(this, &AddEditMovieWindow::onTitleKey);
}

AddEditMovieWindow::~AddEditMovieWindow()
{
    for (MovieListEditor* list : m_lists)
        delete list;
    delete m_dialog;
    delete m_workingCopy;
}

void AddEditMovieWindow::setStaging(std::unique_ptr<ImageStaging> staging)
{
    if (!staging)
        return;
    m_staging->discard();
    m_staging = std::move(staging);
    m_staging->open(m_model.collectionFolder());
}

bool AddEditMovieWindow::exec(uint32_t results[3])
{
    updateExtractionBar();
    const bool stored = Application::instance() != nullptr;
    if (stored)
        restoreWindowGeometry(m_dialog, String(kGeometryName), true, true);
    if (!m_editing && (m_options & kExtractPreset))
        applyPreset();
    fillControls(true);
    const int page = (m_options & kOpenOnTags) ? kPlotPage : kGeneralPage;
    ensurePage(page);
    m_pageBar->setCurrentIndex(page);
    m_pageStack->setCurrentIndex(page);
    m_dialog->setResult(0);
    // Shown modally: returns when the run has ended.
    m_dialog->show();
    if (stored)
        saveWindowGeometry(m_dialog, String(kGeometryName), true, true);
    m_staging->discard();
    m_accepted = m_dialog->result() == 1;
    if (results) {
        results[0] = m_accepted ? 1 : 0;
        results[1] = 0;
        results[2] = uint32_t(m_stepped);
    }
    return m_accepted;
}

void AddEditMovieWindow::applyPreset()
{
    m_workingCopy->title = m_preset.title;
    m_workingCopy->barcode = m_preset.barCode;
    m_workingCopy->format = m_preset.format;
}

// ---- Filling ----

// With the dialog on screen every control set would repaint it at once: the
// whole fill is painted once at its end.
void AddEditMovieWindow::fillControls(bool withDisplay)
{
    const bool updates = m_dialog->updatesEnabled();
    m_dialog->setUpdatesEnabled(false);
    updateStepBar();
    for (int page = 0; page < kPageCount; ++page) {
        if (m_pageBuilt[page])
            fillPage(page, withDisplay);
    }
    m_dialog->setUpdatesEnabled(updates);
}

void AddEditMovieWindow::fillPage(int index, bool withDisplay)
{
    switch (index) {
    case kGeneralPage:
        fillGeneral();
        break;
    case kAdditionalPage:
        fillAdditional();
        break;
    case kCastCrewPage:
        m_lists[MovieListEditor::kCast]->setMovie(m_workingCopy);
        m_lists[MovieListEditor::kCrew]->setMovie(m_workingCopy);
        break;
    case kEpisodesPage:
        m_lists[MovieListEditor::kEpisodes]->setMovie(m_workingCopy);
        break;
    case kPlotPage:
        m_plot->textEdit()->setText(m_workingCopy->plot);
        m_notes->textEdit()->setText(m_workingCopy->notes);
        m_tags->setText(joinList(m_workingCopy->tags));
        break;
    case kLinksPage:
        m_lists[MovieListEditor::kLinks]->setMovie(m_workingCopy);
        break;
    case kDisplayPage:
        showBackground();
        if (withDisplay)
            fillDisplay();
        break;
    default:
        break;
    }
}

void AddEditMovieWindow::fillGeneral()
{
    const Movie& movie = *m_workingCopy;
    m_title->setText(movie.title);
    m_originalTitle->setText(movie.originalTitle);
    m_genre->setText(joinList(movie.genres));
    m_studio->setText(joinList(movie.studios));
    m_country->setText(joinList(movie.countries));
    m_language->setText(joinList(movie.languages));
    m_yearRange = yearRange(movie.year, DateTime::now().year());
    m_year->setRange(m_yearRange.minimum, m_yearRange.maximum);
    m_year->setIntValue(yearShown(movie.year, m_yearRange));
    m_runningTime->setIntValue(movie.runningTime);
    m_colour->setCurrentIndex(movie.colour >= 0 && movie.colour <= 3 ? movie.colour : 0);
    showCover();
}

void AddEditMovieWindow::fillAdditional()
{
    const Movie& movie = *m_workingCopy;
    m_imdbRating->setValue(double(movie.imdbRating));
    m_mpaaRating->setText(movie.mpaaRating);
    m_filledRating = movie.myRating;
    m_filledRatingIndex = ratingIndex(movie.myRating);
    m_myRating->setCurrentIndex(m_filledRatingIndex);
    m_myRatingLabel->setText(ratingText(m_filledRating));
    StringList formats;
    m_model.collectFormats(formats);
    m_format->completer().setWords(formats);
    m_format->setText(movie.format);
    m_barcode->setText(movie.barcode);
    m_price->setText(movie.purchasePrice);
    m_seen->setChecked(movie.seen);
    m_wish->setChecked(movie.wishlist);
}

void AddEditMovieWindow::fillDisplay()
{
    const ViewSettings& view = m_model.viewSettings();
    const CardStyle& style = m_workingCopy->cardStyle;
    const Color* defaults[4] = {&view.movieCardBackgroundColor, &view.movieCardTextColor,
                                &view.movieCardTitleColor, &view.movieCardLinkColor};
    const Color* stored[4] = {&style.backgroundColor, &style.textColor, &style.titleColor, &style.linkColor};
    for (int i = 0; i < 4; ++i) {
        m_colors[i]->setEmptyColor(*defaults[i]);
        m_colors[i]->setColor(cardColorShown(*stored[i], *defaults[i]));
    }
    fillFontCombo(style.fontFamily.isEmpty() ? view.movieCardFontFamily : style.fontFamily);
}

// A family the system does not have (a card made on another machine) still
// shows as itself, so that an untouched combo saves what was there.
void AddEditMovieWindow::fillFontCombo(const String& family)
{
    m_font->clear();
    m_font->addItems(availableFontFamilies());
    if (!family.isEmpty() && m_font->findText(family, String::kCaseSensitive) < 0)
        m_font->addItem(family);
    if (!m_font->setCurrentText(family, String::kCaseSensitive) && m_font->count() > 0)
        m_font->setCurrentIndex(0);
}

// ---- Saving ----

// A page never shown still holds the working copy's values: only the pages
// built are read back.
void AddEditMovieWindow::storeControls()
{
    Movie& movie = *m_workingCopy;
    movie.title = m_title->text().trim();
    movie.originalTitle = m_originalTitle->text().trim();
    movie.genres = splitList(m_genre->text());
    movie.studios = splitList(m_studio->text());
    movie.countries = splitList(m_country->text());
    movie.languages = splitList(m_language->text());
    movie.year = yearStored(m_year->intValue(), m_yearRange);
    movie.runningTime = m_runningTime->isSpecialValueShown() ? 0 : m_runningTime->intValue();
    movie.colour = m_colour->currentIndex() < 0 ? 0 : m_colour->currentIndex();
    if (m_pageBuilt[kAdditionalPage])
        storeAdditional();
    if (m_pageBuilt[kPlotPage]) {
        movie.plot = textOf(m_plot).trim();
        movie.notes = textOf(m_notes).trim();
        movie.tags = splitList(m_tags->text());
    }
    if (m_pageBuilt[kDisplayPage])
        storeDisplay();
}

void AddEditMovieWindow::storeAdditional()
{
    Movie& movie = *m_workingCopy;
    movie.imdbRating = m_imdbRating->isSpecialValueShown() ? 0.0f : m_imdbRating->floatValue();
    movie.mpaaRating = m_mpaaRating->text().trim();
    movie.myRating = ratingStored(m_filledRating, m_filledRatingIndex, m_myRating->currentIndex());
    movie.format = m_format->text().trim();
    movie.barcode = m_barcode->text().trim();
    movie.purchasePrice = m_price->text().trim();
    movie.seen = m_seen->isChecked();
    movie.wishlist = m_wish->isChecked();
}

void AddEditMovieWindow::storeDisplay()
{
    const ViewSettings& view = m_model.viewSettings();
    CardStyle& style = m_workingCopy->cardStyle;
    style.backgroundColor = cardColorStored(m_colors[0]->color(), view.movieCardBackgroundColor);
    style.textColor = cardColorStored(m_colors[1]->color(), view.movieCardTextColor);
    style.titleColor = cardColorStored(m_colors[2]->color(), view.movieCardTitleColor);
    style.linkColor = cardColorStored(m_colors[3]->color(), view.movieCardLinkColor);
    style.fontFamily = fontFamilyStored(m_font->currentText(), view.movieCardFontFamily);
}

bool AddEditMovieWindow::save()
{
    if (m_title->text().trim().isEmpty()) {
        m_pageBar->setCurrentIndex(kGeneralPage);
        m_pageStack->setCurrentIndex(kGeneralPage);
        showTitleBalloon(tr(u"Please fill the required fields."));
        return false;
    }
    storeControls();
    if (!commitPictures())
        return false;
    m_workingCopy->modified = DateTime::now();
    if (!m_editing) {
        m_workingCopy->created = m_workingCopy->modified;
        m_editedMovie = m_workingCopy;
        m_model.appendMovie(m_workingCopy);
        m_workingCopy = nullptr;
        return true;
    }
    m_workingCopy->discardCoverCaches();
    *m_editedMovie = *m_workingCopy;
    delete m_workingCopy;
    m_workingCopy = nullptr;
    m_model.purgeImages();
    return true;
}

StringList AddEditMovieWindow::pictureNames() const
{
    StringList names;
    for (const Cover& cover : m_workingCopy->covers)
        names.append(cover.name);
    if (!m_workingCopy->cardStyle.backgroundImage.isEmpty())
        names.append(m_workingCopy->cardStyle.backgroundImage);
    return names;
}

// The staged pictures the movie uses move into "Images"; one that cannot
// fails the save with every picture as it was.
bool AddEditMovieWindow::commitPictures()
{
    if (!m_staging->isOpen())
        return true;
    String failed;
    if (m_staging->commit(m_model.imagesFolder(), pictureNames(), &failed))
        return true;
    UIMessageBox::warning(
        m_dialog, tr(u"Edit Movie"),
        tr(u"The picture \"^\" could not be moved into the collection's images.").arg(failed), String(),
        UIMessageBox::kOk, 0);
    return false;
}

void AddEditMovieWindow::showTitleBalloon(const String& text)
{
    showFieldBalloon(m_dialog, m_title, text, kBalloonWarningIcon);
}

void AddEditMovieWindow::onOk()
{
    if (save())
        m_dialog->accept();
}

void AddEditMovieWindow::onCancel()
{
    m_dialog->reject();
}

// ---- Stepping ----

int AddEditMovieWindow::editedPosition() const
{
    int position = 0;
    for (List<Movie*>::Node* node = m_model.movies().first(); node; node = node->next, ++position) {
        if (node->value == m_editedMovie)
            return position;
    }
    return -1;
}

void AddEditMovieWindow::updateStepBar()
{
    if (!m_editing) {
        m_stepBar->hide();
        return;
    }
    const int position = editedPosition();
    const List<Movie*>& movies = m_model.movies();
    const char16_t* names[2] = {u"Previous Movie", u"Next Movie"};
    for (int tab = 0; tab < 2; ++tab) {
        const int neighbour = position < 0 ? -1 : position + (tab == 0 ? -1 : 1);
        List<Movie*>::Node* node = neighbour >= 0 ? movies.nodeAt(neighbour) : nullptr;
        m_stepBar->setTabEnabled(tab, node != nullptr);
        String tip = tr(names[tab]);
        if (node)
            tip.append(String(u" (") + node->value->title + String(u")"));
        m_stepBar->setTabToolTip(tab, tip);
    }
}

bool AddEditMovieWindow::step(int direction)
{
    if (!m_editing)
        return false;
    const int position = editedPosition();
    List<Movie*>::Node* target = position < 0 ? nullptr : m_model.movies().nodeAt(position + direction);
    if (!target || position + direction < 0 || !save()) {
        UIApplication::instance()->playSound(kAlertSound);
        return false;
    }
    m_options = 0;
    m_preset = NewMovieRecord();
    m_editedMovie = target->value;
    m_workingCopy = new Movie(*m_editedMovie);
    m_staging->open(m_model.collectionFolder());
    ++m_stepped;
    // The card's colours and font are the new movie's too: a save must not
    // carry the previous movie's over.
    fillControls(true);
    return true;
}

void AddEditMovieWindow::onStepTab(int index)
{
    step(index == 0 ? -1 : 1);
}

// ---- Other handlers ----

void AddEditMovieWindow::onShown(UIEvent*)
{
    if (m_options & kOpenOnTags) {
        m_tags->setFocus();
        return;
    }
    m_title->setFocus();
    if (m_options & kExtractPreset)
        onExtractionTab(1);
}

void AddEditMovieWindow::onTitleKey(UIEvent* event)
{
    if (static_cast<UIKeyEvent*>(event)->key() == kEnterKey)
        onExtractionTab(1);
}

void AddEditMovieWindow::onPageChanged(int index)
{
    if (index < 0)
        return;
    ensurePage(index);
    m_pageStack->setCurrentIndex(index);
}

void AddEditMovieWindow::onMyRatingChanged(int index)
{
    m_myRatingLabel->setText(ratingText(index == m_filledRatingIndex ? m_filledRating : float(index)));
}

void AddEditMovieWindow::onTagsHelp()
{
    showFieldBalloon(m_dialog, m_tags,
                     tr(u"When adding multiple tags,\nuse comma to separate different tags."),
                     kBalloonWarningIcon);
}

void AddEditMovieWindow::onResetDisplay()
{
    for (UIColorPicker* picker : m_colors)
        picker->resetColor();
    fillFontCombo(m_model.viewSettings().movieCardFontFamily);
}

// ---- Extraction bar ----

void AddEditMovieWindow::updateExtractionBar()
{
    const MovieExtractor* extractor = m_model.currentExtractor();
    if (extractor) {
        const String flag = String(u"flag-extract-") + extractor->languageCode();
        m_extractionBar->setTabIcon(1, ImageSet::ImageSetFromImage(EditorIcons::get(flag)));
        m_extractionBar->setTabText(1, extractor->siteName());
        m_extractionBar->setTabToolTip(1, extractor->displayName());
    }
    m_extractionBar->setTabEnabled(1, extractor != nullptr);
    m_extractionBar->relayout();
}
