#include "app/movie/AddEditEpisodeWindow.h"

#include "app/movie/EditorIcons.h"
#include "app/view/ViewFileDialogs.h"
#include "foundation/time/DateTime.h"
#include "graphics/image/ImageSet.h"
#include "model/CollectionModel.h"
#include "model/records/Movie.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/decorative/UIExpander.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/group/UIGroup.h"
#include "ui/widgets/spinbox/UISpinBox.h"
#include "ui/widgets/text/UITextEdit.h"
#include "ui/widgets/text/UITextEditView.h"
#include "ui/widgets/window/UIDialog.h"

AddEditEpisodeWindow::AddEditEpisodeWindow(UIWidget* parent, Movie* movie, Episode* episode)
    : MovieItemWindow(parent, movie, episode != nullptr, u"AddEditEpisodeWindow"), m_episode(episode)
{
    m_yearRange = MovieFormValues::yearRange(episode ? episode->year : 0, DateTime::now().year());
    String title = tr(u"Add Episode");
    if (episode)
        title = tr(u"Edit Episode (Season ^, Episode ^)")
                    .arg(String::fromInt(episode->season))
                    .arg(String::fromInt(episode->number));
    buildFrame(title, 550, 450);
    const String notGiven = tr(u"n/a");
    addLabel(tr(u"Season Number"));
    m_season = addEditor(numberSpin(group(), 0, kLargestNumber, notGiven));
    addLabel(tr(u"Number"));
    m_number = addEditor(numberSpin(group(), 0, kLargestNumber, notGiven));
    addLabel(tr(u"Release Date"));
    buildDateRow();
    addLabel(tr(u"Title"));
    m_title = addEditor(new UILineEdit(group()));
    addLabel(tr(u"Plot"));
    m_plot = addEditor(new UITextEditView(group()));
    m_plot->textEdit()->setWordWrap(true);
    group()->setRowStretch(4, 100.0f);
    addLabel(tr(u"Movie File"));
    buildFileRow();
    addLabel(tr(u"URL"));
    m_url = addEditor(new UILineEdit(group()));
    addButtonRow();
}

UISpinBox* AddEditEpisodeWindow::numberSpin(UIWidget* parent, int minimum, int maximum,
                                            const String& specialText)
{
    auto* spin = new UISpinBox(parent);
    spin->setRange(minimum, maximum);
    spin->setSpecialValueText(specialText);
    spin->setValue(minimum);
    return spin;
}

void AddEditEpisodeWindow::buildDateRow()
{
    auto* row = addEditor(new UIBox(group()));
    row->setVerticalFlow(0);
    row->setLayoutMargin(0);
    row->applyMetricSpacing();
    const String notGiven = tr(u"n/a");
    m_year = numberSpin(row, m_yearRange.minimum, m_yearRange.maximum, notGiven);
    m_year->setToolTip(tr(u"Year"));
    m_year->show();
    m_month = new UIComboBox(row);
    m_month->addItem(notGiven);
    for (int month = 1; month <= 12; ++month)
        m_month->addItem(CollectionModel::monthName(month));
    m_month->setMaxVisibleItems(13);
    m_month->setCurrentIndex(0);
    m_month->show();
    m_day = numberSpin(row, 0, 31, notGiven);
    m_day->setToolTip(tr(u"Day"));
    m_day->show();
    (new UIExpander(row))->show();
}

void AddEditEpisodeWindow::buildFileRow()
{
    auto* row = addEditor(new UIBox(group()));
    row->setVerticalFlow(0);
    row->setLayoutMargin(0);
    row->setColumnStretch(0, 100.0f);
    row->applyMetricSpacing();
    m_file = new UILineEdit(row);
    m_file->setReadOnly(true);
    m_file->show();
    m_browse = new UIButton(row);
    m_browse->setIcon(ImageSet::ImageSetFromImage(EditorIcons::get(String(u"search-local"))));
    m_browse->setMinimumSize(30, 22);
    m_browse->show();
    m_browse->clicked.connect(this, &AddEditEpisodeWindow::onBrowse);
}

bool AddEditEpisodeWindow::exec()
{
    if (m_episode) {
        m_season->setIntValue(m_episode->season);
        m_number->setIntValue(m_episode->number);
        if (m_episode->year != 0)
            m_year->setIntValue(m_episode->year);
        if (m_episode->month != 0)
            m_month->setCurrentIndex(m_episode->month);
        if (m_episode->day != 0)
            m_day->setIntValue(m_episode->day);
        m_title->setText(m_episode->title);
        m_plot->textEdit()->setText(m_episode->plot);
        m_file->setText(m_episode->file);
        m_url->setText(m_episode->url);
    }
    return run(String(u"AddEditMovieEpisode"));
}

bool AddEditEpisodeWindow::save()
{
    Episode values;
    values.season = m_season->intValue();
    values.number = m_number->intValue();
    values.year = MovieFormValues::yearStored(m_year->intValue(), m_yearRange);
    values.month = m_month->currentIndex() < 0 ? 0 : m_month->currentIndex();
    values.day = m_day->intValue();
    values.title = m_title->text().trim();
    values.plot = m_plot->textEdit()->text().trim();
    if (values.title.isEmpty() || values.season <= 0 || values.number <= 0) {
        showBalloon(m_title, tr(u"Please fill the required fields."));
        return false;
    }
    const Episode* same = movie()->findEpisode(values.season, values.number);
    if (same && same != m_episode) {
        showBalloon(m_title, tr(u"Episode already exists."));
        return false;
    }
    values.file = m_file->text();
    values.url = m_url->text().trim();
    if (m_episode)
        *m_episode = values;
    else
        movie()->episodes.append(values);
    return true;
}

void AddEditEpisodeWindow::onBrowse()
{
    StringList chosen;
    openAnyFileDialog(dialog(), chosen, false);
    if (!chosen.isEmpty())
        m_file->setText(chosen.first()->value);
}
