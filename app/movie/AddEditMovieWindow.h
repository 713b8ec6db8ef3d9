#pragma once

#include "app/movie/ImageStaging.h"
#include "app/movie/MovieFormValues.h"
#include "app/window/Window.h"
#include "foundation/text/String.h"
#include "graphics/image/Image.h"
#include "model/NewMovieRecord.h"

#include <cstdint>
#include <memory>

class CollectionModel;
class Movie;
class MovieListEditor;
class UIButton;
class UICheck;
class UIColorPicker;
class UIComboBox;
class UIDialog;
class UIEvent;
class UIGroup;
class UILabel;
class UILineEdit;
class UIPicture;
class UISpinBox;
class UIStack;
class UITabBar;
class UITextEditView;
class UIWidget;

// The modal dialog in which the user adds a movie or edits one of the open
// collection. The controls edit a private working copy; the collection
// changes only when a save succeeds (OK, or a step to the neighbouring movie
// while editing). Pictures given to the dialog wait in a staging folder and
// move into "Images" with that save, so Cancel leaves every picture as it was.
class AddEditMovieWindow : public Window
{
public:
    // Options.
    static constexpr uint32_t kOpenOnTags = 1;
    static constexpr uint32_t kExtractPreset = 2;

    enum Page
    {
        kGeneralPage,
        kAdditionalPage,
        kCastCrewPage,
        kEpisodesPage,
        kPlotPage,
        kLinksPage,
        kDisplayPage,
        kPageCount
    };

    // The cover and background tool bars' tabs.
    enum ImageTab
    {
        kBrowseImage,
        kSearchImage,
        kPasteImage,
        kCopyImage,
        kClearImage
    };

    // movie null: a new movie, given the model's next id.
    AddEditMovieWindow(CollectionModel& model, UIWidget* parent, Movie* movie, uint32_t options,
                       const NewMovieRecord& preset);
    ~AddEditMovieWindow() override;
    AddEditMovieWindow(const AddEditMovieWindow&) = delete;
    AddEditMovieWindow& operator=(const AddEditMovieWindow&) = delete;

    // Fills and shows the dialog; returns when it closed. results gets
    // accepted (1 or 0), 0 and the number of movies saved while stepping.
    bool exec(uint32_t results[3] = nullptr);
    bool isAccepted() const { return m_accepted; }
    int steppedCount() const { return m_stepped; }
    // The last movie the dialog showed (after stepping, the one stepped to);
    // null when adding.
    Movie* lastMovie() const { return m_editedMovie; }

    // The card background's width is capped at the desktop's when on.
    void setAutoResizeBackground(bool on) { m_autoResizeBackground = on; }

    // ---- The working copy, for whatever fills it ----
    Movie* workingCopy() const { return m_workingCopy; }
    bool isEditing() const { return m_editing; }
    CollectionModel& model() const { return m_model; }
    // Where new pictures wait until the save.
    ImageStaging& staging() { return *m_staging; }
    // Puts another staging in place of the one the editor made (a test's,
    // whose moves into "Images" can fail), opened in the collection's
    // folder; what was staged before is dropped.
    void setStaging(std::unique_ptr<ImageStaging> staging);
    // Copies the controls into the working copy, without the title check and
    // without touching the dates.
    void storeControls();
    // Fills the controls from the working copy; the display page's colours
    // and font only with withDisplay.
    void fillControls(bool withDisplay);
    // The save of OK and stepping; false, with nothing stored, for an empty
    // title or a picture that could not be moved in.
    bool save();

    // ---- Extraction bar ----
    // Icon, text and tool tip of the current extractor, then a relayout.
    void updateExtractionBar();
    // 0 opens the extract options, 1 runs the extraction
    // (AddEditMovieWindowExtraction.cpp).
    void onExtractionTab(int index);
    // Fills the working copy from the movie database site by the title
    // typed, keeping what the controls held; the extractor's result.
    int extract();

    // ---- Stepping ----
    // -1 previous, 1 next; false when the save failed or there is no such
    // movie.
    bool step(int direction);

    // ---- Pictures ----
    // The picture shown for the working copy's cover of that kind: its staged
    // file, else its file in "Images"; the empty image without one.
    Image coverImage(int kind) const;
    Image backgroundImage() const;
    // Take a file as the current kind's cover or as the background; false
    // for a file that is no picture, or when nothing could be staged.
    bool takeCoverFile(const String& path);
    bool takeBackgroundFile(const String& path);
    bool takeCoverImage(const Image& image);
    bool takeBackgroundImage(const Image& image);
    int currentCoverKind() const;
    void onCoverTab(int index);
    void onBackgroundTab(int index);
    void showCover();
    void showBackground();

    // ---- Controls, for tests and the extraction ----
    // Those of a page not shown yet are null.
    UIDialog* dialog() const { return m_dialog; }
    UITabBar* pageBar() const { return m_pageBar; }
    UIStack* pageStack() const { return m_pageStack; }
    UITabBar* stepBar() const { return m_stepBar; }
    UITabBar* extractionBar() const { return m_extractionBar; }
    UIButton* okButton() const { return m_ok; }
    UIButton* cancelButton() const { return m_cancel; }
    UILineEdit* titleEdit() const { return m_title; }
    UILineEdit* originalTitleEdit() const { return m_originalTitle; }
    UILineEdit* genreEdit() const { return m_genre; }
    UILineEdit* studioEdit() const { return m_studio; }
    UILineEdit* countryEdit() const { return m_country; }
    UILineEdit* languageEdit() const { return m_language; }
    UISpinBox* yearBox() const { return m_year; }
    UISpinBox* runningTimeBox() const { return m_runningTime; }
    UIComboBox* colourCombo() const { return m_colour; }
    UISpinBox* imdbRatingBox() const { return m_imdbRating; }
    UILineEdit* mpaaRatingEdit() const { return m_mpaaRating; }
    UIComboBox* myRatingCombo() const { return m_myRating; }
    UILabel* myRatingLabel() const { return m_myRatingLabel; }
    UILineEdit* formatEdit() const { return m_format; }
    UILineEdit* barcodeEdit() const { return m_barcode; }
    UILineEdit* priceEdit() const { return m_price; }
    UICheck* seenCheck() const { return m_seen; }
    UICheck* wishCheck() const { return m_wish; }
    UITextEditView* plotView() const { return m_plot; }
    UITextEditView* notesView() const { return m_notes; }
    UILineEdit* tagsEdit() const { return m_tags; }
    UIColorPicker* colorPicker(int index) const { return m_colors[index]; }
    UIComboBox* fontCombo() const { return m_font; }
    UIButton* resetButton() const { return m_reset; }
    UITabBar* coverKindBar() const { return m_coverKinds; }
    UIPicture* coverPicture() const { return m_coverPicture; }
    UITabBar* coverToolBar() const { return m_coverTools; }
    UIPicture* backgroundPicture() const { return m_backgroundPicture; }
    UITabBar* backgroundToolBar() const { return m_backgroundTools; }
    MovieListEditor* listEditor(int index) const { return m_lists[index]; }
    UILabel* episodeCountLabel() const { return m_episodeCount; }

private:
    // ---- Building (AddEditMovieWindowPages.cpp) ----
    void buildDialog();
    // A page is built, connected and filled from the working copy the first
    // time it is shown: the dialog opens with the general page alone.
    void ensurePage(int index);
    UIWidget* buildPage(int index);
    void buildGeneralPage(UIWidget* page);
    void buildCoversBox(UIWidget* parent);
    void buildAdditionalPage(UIWidget* page);
    void buildCastCrewPage(UIWidget* page);
    void buildEpisodesPage(UIWidget* page);
    void buildPlotPage(UIWidget* page);
    void buildLinksPage(UIWidget* page);
    void buildDisplayPage(UIWidget* page);
    void buildBottomRow();
    UITabBar* buildImageToolBar(UIWidget* parent);
    UIPicture* buildDropPicture(UIWidget* parent);
    UILineEdit* addLineRow(UIWidget* group, const char16_t* label);
    void connectSignals();

    // ---- Filling and saving (AddEditMovieWindow.cpp) ----
    void fillGeneral();
    void fillPage(int index, bool withDisplay);
    void fillAdditional();
    void fillDisplay();
    void fillFontCombo(const String& family);
    void applyPreset();
    void storeAdditional();
    void storeDisplay();
    bool commitPictures();
    StringList pictureNames() const;
    void updateStepBar();
    int editedPosition() const;
    void onOk();
    void onCancel();
    void onShown(UIEvent* event);
    void onTitleKey(UIEvent* event);
    void onStepTab(int index);
    void onPageChanged(int index);
    void onMyRatingChanged(int index);
    void onTagsHelp();
    void onResetDisplay();
    void showTitleBalloon(const String& text);

    // ---- Pictures (AddEditMovieWindowImages.cpp) ----
    void onCoverDoubleClick(UIEvent* event);
    void onBackgroundDoubleClick(UIEvent* event);
    void onPictureDrag(UIEvent* event);
    void onCoverDrop(UIEvent* event);
    void onBackgroundDrop(UIEvent* event);
    void storeCover(int kind, const String& name);
    void browseCover();
    void browseBackground();
    void searchImage(const String& suffix);
    void copyImage(const Image& image);
    String coverNameFor(int kind, const String& extension) const;
    String backgroundName() const;
    String picturePath(const String& name) const;
    static Image decodeFile(const String& path);

    CollectionModel& m_model;
    UIWidget* m_parent;
    bool m_pageBuilt[kPageCount] = {};
    uint32_t m_options;
    NewMovieRecord m_preset;
    Movie* m_editedMovie = nullptr;
    Movie* m_workingCopy = nullptr;
    bool m_editing = false;
    bool m_accepted = false;
    int m_stepped = 0;
    bool m_autoResizeBackground = true;
    std::unique_ptr<ImageStaging> m_staging = std::make_unique<ImageStaging>();
    MovieFormValues::YearRange m_yearRange;
    // The own rating and its combo index as the controls were filled, so an
    // untouched combo keeps a rating between whole numbers.
    float m_filledRating = 0.0f;
    int m_filledRatingIndex = 0;

    UIDialog* m_dialog = nullptr;
    UITabBar* m_pageBar = nullptr;
    UIStack* m_pageStack = nullptr;
    UITabBar* m_stepBar = nullptr;
    UIButton* m_ok = nullptr;
    UIButton* m_cancel = nullptr;
    UILineEdit* m_title = nullptr;
    UITabBar* m_extractionBar = nullptr;
    UILineEdit* m_originalTitle = nullptr;
    UILineEdit* m_genre = nullptr;
    UILineEdit* m_studio = nullptr;
    UILineEdit* m_country = nullptr;
    UILineEdit* m_language = nullptr;
    UISpinBox* m_year = nullptr;
    UISpinBox* m_runningTime = nullptr;
    UIComboBox* m_colour = nullptr;
    UITabBar* m_coverKinds = nullptr;
    UIPicture* m_coverPicture = nullptr;
    UITabBar* m_coverTools = nullptr;
    UISpinBox* m_imdbRating = nullptr;
    UILineEdit* m_mpaaRating = nullptr;
    UIComboBox* m_myRating = nullptr;
    UILabel* m_myRatingLabel = nullptr;
    UILineEdit* m_format = nullptr;
    UILineEdit* m_barcode = nullptr;
    UILineEdit* m_price = nullptr;
    UICheck* m_seen = nullptr;
    UICheck* m_wish = nullptr;
    MovieListEditor* m_lists[4] = {};
    UILabel* m_episodeCount = nullptr;
    UITextEditView* m_plot = nullptr;
    UITextEditView* m_notes = nullptr;
    UILineEdit* m_tags = nullptr;
    UIButton* m_tagsHelp = nullptr;
    // Background, text, title and link colour.
    UIColorPicker* m_colors[4] = {};
    UIComboBox* m_font = nullptr;
    UIButton* m_reset = nullptr;
    UIPicture* m_backgroundPicture = nullptr;
    UITabBar* m_backgroundTools = nullptr;
};
