// The main window's filter bar: the kind, value and actor boxes and the rule
// every movie of a fill is matched against.
#include "app/main/MainWindow.h"

#include "app/views/FillTimings.h"
#include "foundation/containers/StringList.h"
#include "graphics/paint/Brush.h"
#include "model/CollectionModel.h"
#include "model/values/ValueLists.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/combo/UIComboBoxItem.h"

namespace {

const char16_t kFilterContext[] = u"MainWindow/Filter";

const char16_t* const kKindTexts[MovieFilter::kKindCount] = {
    u"All",   u"Recently Viewed", u"Wish List", u"Seen",    u"Unseen", u"Tags",
    u"Title", u"Genre",           u"Studio",    u"Country", u"Actor",  u"Director",
};

const int kMaxVisibleValues = 16;

// The kinds without a value (1-5) and those with one (6-11) each in their
// own pair of alternating shades; "All" keeps the box's own background.
const Color kNoValueShades[2] = {Color(244, 250, 201), Color(236, 245, 157)};
const Color kValueShades[2] = {Color(251, 236, 150), Color(253, 247, 208)};

Brush kindBackground(int kind)
{
    if (kind < MovieFilter::kTitle)
        return Brush(kNoValueShades[(kind - 1) % 2], 0);
    return Brush(kValueShades[(kind - MovieFilter::kTitle) % 2], 0);
}

UIComboBox* hiddenValueBox(UIWidget* parent)
{
    auto* box = new UIComboBox(parent);
    box->setMaxVisibleItems(kMaxVisibleValues);
    box->setStyleProperty(String(u"maximumWidth"), String(u"250"));
    box->hide();
    return box;
}

void emptyAndHide(UIComboBox* box)
{
    box->hide();
    box->clear();
}

} // namespace

void MainWindow::buildFilterBoxes(UIWidget* parent)
{
    m_filterKindBox = new UIComboBox(parent);
    m_filterKindBox->setMaxVisibleItems(kMaxVisibleValues);
    for (int kind = 0; kind < MovieFilter::kKindCount; ++kind) {
        UIComboBoxItem* item = m_filterKindBox->addItem(translate(kKindTexts[kind], kFilterContext));
        if (kind != MovieFilter::kAll)
            item->setBackground(kindBackground(kind));
    }
    m_filterKindBox->show();
    m_filterValueBox = hiddenValueBox(parent);
    m_actorBox = hiddenValueBox(parent);
}

void MainWindow::connectFilterSignals()
{
    m_filterKindBox->currentIndexChanged.connectWithArg(this, &MainWindow::onFilterKindChanged);
    m_filterValueBox->currentIndexChanged.connectWithArg(this, &MainWindow::onFilterValueChanged);
    m_actorBox->currentIndexChanged.connectWithArg(this, &MainWindow::onActorChanged);
}

bool MainWindow::matchesFilter(const Movie& movie) const
{
    return m_filter.matches(movie, m_model);
}

void MainWindow::onFilterKindChanged(int index)
{
    if (m_changingKind)
        return;
    m_filter.kind = index;
    m_changingKind = true;
    bool before = m_showsEverything;
    if (MovieFilter::hasValues(index))
        fillValueBox(index);
    else
        emptyAndHide(m_filterValueBox);
    if (index != MovieFilter::kActor)
        emptyAndHide(m_actorBox);
    m_filter.valueIndex = m_filterValueBox->currentIndex();
    m_filter.value = m_filterValueBox->currentText();
    m_filter.actorIndex = m_actorBox->currentIndex();
    m_filter.actor = m_actorBox->currentText();
    if (index == MovieFilter::kAll)
        m_showsEverything = true;
    else if (MovieFilter::hasValues(index))
        m_showsEverything = m_filterValueBox->currentIndex() == 0;
    else
        m_showsEverything = false;
    if (!(before && m_showsEverything))
        fillMovieList();
    m_changingKind = false;
}

void MainWindow::fillValueBox(int kind)
{
    StringList values;
    switch (kind) {
    case MovieFilter::kTags:
        m_model.collectTags(values);
        break;
    case MovieFilter::kTitle:
        m_model.collectTitleInitials(values);
        break;
    case MovieFilter::kGenre:
        m_model.collectGenres(values);
        break;
    case MovieFilter::kStudio:
        m_model.collectStudios(values);
        break;
    case MovieFilter::kCountry:
        m_model.collectCountries(values);
        break;
    case MovieFilter::kActor:
        m_model.collectActorInitials(values);
        break;
    default:
        m_model.collectDirectors(values);
        break;
    }
    m_filterValueBox->clear();
    m_filterValueBox->addItem(translate(u"All", kFilterContext));
    if (!values.isEmpty()) {
        values.sort(1);
        m_filterValueBox->addItems(values);
    }
    m_filterValueBox->show();
    m_filterValueBox->relayout();
}

void MainWindow::onFilterValueChanged(int index)
{
    if (index > 0)
        m_showsEverything = false;
    if (m_changingKind)
        return;
    m_changingValue = true;
    m_filter.valueIndex = index;
    m_filter.value = m_filterValueBox->currentText();
    std::vector<Movie*> having;
    // The walk that fills the actor box may be the fill's own.
    m_fillTimings->begin();
    if (m_filter.kind == MovieFilter::kActor) {
        if (index < 1)
            emptyAndHide(m_actorBox);
        else
            fillActorBox(&having);
        m_filter.actorIndex = m_actorBox->currentIndex();
        m_filter.actor = m_actorBox->currentText();
    }
    // With the actor box on "All" the filter passes exactly the movies the
    // box's walk met with an actor of that initial.
    if (m_filter.kind == MovieFilter::kActor && index >= 1 && m_filter.actorIndex == 0 && !m_filter.value.isEmpty())
        fillMovieListWith(std::move(having));
    else
        fillMovieList();
    m_changingValue = false;
}

void MainWindow::fillActorBox(std::vector<Movie*>* having)
{
    m_actorBox->clear();
    StringList actors;
    String initial = m_filterValueBox->currentText();
    if (!initial.isEmpty())
        ValueLists::collectActorsStartingWith(m_model.movies(), initial.first(), actors, having);
    actors.sort(1);
    m_actorBox->addItem(translate(u"All", kFilterContext));
    m_actorBox->addItems(actors);
    m_actorBox->show();
    m_actorBox->relayout();
}

void MainWindow::onActorChanged(int index)
{
    if (m_changingKind || m_changingValue)
        return;
    m_filter.actorIndex = index;
    m_filter.actor = m_actorBox->currentText();
    fillMovieList();
}

// The boxes change without their handlers, and nothing is refilled here:
// the opening that calls this fills the views next.
void MainWindow::resetFilter()
{
    m_changingKind = true;
    m_filterKindBox->setCurrentIndex(MovieFilter::kAll);
    emptyAndHide(m_filterValueBox);
    emptyAndHide(m_actorBox);
    m_changingKind = false;
    m_filter = MovieFilter();
    m_showsEverything = true;
}
