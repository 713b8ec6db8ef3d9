// The movie editor's extraction bar: the extract options and the extraction
// of the typed title from the movie database site into the working copy.
#include "app/movie/AddEditMovieWindow.h"

#include "app/extraction/ExtractOptionsWindow.h"
#include "app/extraction/SelectMovieChooser.h"
#include "app/movie/StagedImageDownloader.h"
#include "app/window/CursorOverride.h"
#include "model/CollectionModel.h"
#include "model/extractors/MovieExtractor.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/window/UIDialog.h"

namespace {

const char16_t kContext[] = u"AddEditMovieWindow";
constexpr int kOptionsTab = 0;
constexpr int kExtractTab = 1;

// Lends the extractor this editor's chooser and picture store for one
// extraction, and gives its own back on every way out.
class ExtractorLoan
{
public:
    ExtractorLoan(MovieExtractor& extractor, ResultChooser* chooser, const ImageDownloader* downloader)
        : m_extractor(extractor), m_chooser(extractor.chooser()), m_downloader(extractor.imageDownloader())
    {
        extractor.setChooser(chooser);
        extractor.setImageDownloader(downloader);
    }
    ~ExtractorLoan()
    {
        m_extractor.setChooser(m_chooser);
        m_extractor.setImageDownloader(m_downloader);
    }
    ExtractorLoan(const ExtractorLoan&) = delete;
    ExtractorLoan& operator=(const ExtractorLoan&) = delete;

private:
    MovieExtractor& m_extractor;
    ResultChooser* m_chooser;
    const ImageDownloader* m_downloader;
};

} // namespace

void AddEditMovieWindow::onExtractionTab(int index)
{
    if (index == kOptionsTab) {
        ExtractOptionsWindow options(m_model, m_dialog, m_model.extractOptions());
        options.exec();
        updateExtractionBar();
        return;
    }
    if (index == kExtractTab)
        extract();
}

int AddEditMovieWindow::extract()
{
    MovieExtractor* extractor = m_model.currentExtractor();
    if (!extractor) {
        showTitleBalloon(translate(u"An unexpected error has occurred.", kContext));
        return MovieExtractor::kNothing;
    }
    // The extraction refills every control from the working copy: what the
    // user typed and has not saved goes there first.
    storeControls();
    extractor->setOptions(m_model.extractOptions());
    SelectMovieChooser chooser;
    StagedImageDownloader downloader(*m_staging);
    int result = MovieExtractor::kNothing;
    {
        ExtractorLoan loan(*extractor, &chooser, &downloader);
        CursorOverride wait(CursorOverride::kWait);
        result = extractor->extract(m_dialog, m_title->text().trim(), *m_workingCopy, true, false);
    }
    fillControls(false);
    if (result == MovieExtractor::kNothing)
        showTitleBalloon(translate(u"An unexpected error has occurred.", kContext));
    return result;
}
