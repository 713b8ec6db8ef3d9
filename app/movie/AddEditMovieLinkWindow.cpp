#include "app/movie/AddEditMovieLinkWindow.h"

#include "app/movie/EditorIcons.h"
#include "app/movie/MovieFormValues.h"
#include "app/view/ViewFileDialogs.h"
#include "foundation/io/Path.h"
#include "graphics/image/ImageSet.h"
#include "model/records/Movie.h"
#include "ui/widgets/buttons/UIButton.h"
#include "ui/widgets/buttons/UICheck.h"
#include "ui/widgets/buttons/UIRadio.h"
#include "ui/widgets/decorative/UIBox.h"
#include "ui/widgets/decorative/UIExpander.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/group/UIGroup.h"
#include "ui/widgets/window/UIDialog.h"

AddEditMovieLinkWindow::AddEditMovieLinkWindow(UIWidget* parent, Movie* movie, MovieLink* link)
    : MovieItemWindow(parent, movie, link != nullptr, u"AddEditMovieLinkWindow"), m_link(link)
{
    buildFrame(tr(isEditing() ? u"Edit Link" : u"Add Link"), 450, 0);
    addLabel(tr(u"Type"));
    buildTypeRow();
    addLabel(tr(u"URL"));
    buildUrlRow();
    addLabel(tr(u"Description"));
    m_description = addEditor(new UILineEdit(group()));
    addButtonRow();
    // A radio being checked unchecks its sibling first, while neither shows
    // as checked: the switch happens on the second of the two signals,
    // whichever radio sends it.
    m_online->toggled.connect(this, &AddEditMovieLinkWindow::onOnlineToggled);
    m_local->toggled.connect(this, &AddEditMovieLinkWindow::onOnlineToggled);
    m_browse->clicked.connect(this, &AddEditMovieLinkWindow::onBrowse);
}

void AddEditMovieLinkWindow::buildTypeRow()
{
    auto* row = addEditor(new UIBox(group()));
    row->setVerticalFlow(0);
    row->setLayoutMargin(0);
    row->applyMetricSpacing();
    m_online = new UIRadio(row);
    m_online->setText(tr(u"Online"));
    m_online->show();
    m_local = new UIRadio(row);
    m_local->setText(tr(u"Local"));
    m_local->show();
    (new UIExpander(row))->show();
    m_playable = new UICheck(row);
    m_playable->setText(tr(u"Playable"));
    m_playable->show();
}

void AddEditMovieLinkWindow::buildUrlRow()
{
    auto* row = addEditor(new UIBox(group()));
    row->setVerticalFlow(0);
    row->setLayoutMargin(0);
    row->setColumnStretch(0, 100.0f);
    row->applyMetricSpacing();
    m_url = new UILineEdit(row);
    m_url->show();
    m_browse = new UIButton(row);
    m_browse->setIcon(ImageSet::ImageSetFromImage(EditorIcons::get(String(u"search-local"))));
    m_browse->setMinimumSize(30, 22);
    m_browse->setEnabled(false);
    m_browse->show();
}

void AddEditMovieLinkWindow::exec()
{
    if (m_link) {
        m_fieldType = m_link->type == MovieLink::kOnline ? MovieLink::kOnline : MovieLink::kLocal;
        m_url->setText(m_link->url);
        (m_fieldType == MovieLink::kOnline ? m_online : m_local)->setChecked(true);
        applyType(m_fieldType);
        m_description->setText(m_link->description);
        m_playable->setChecked(m_link->play);
    } else {
        m_fieldType = MovieLink::kOnline;
        m_url->setText(MovieLink::urlSchemes().first()->value);
        m_online->setChecked(true);
        applyType(m_fieldType);
    }
    run(String(u"AddEditMovieLink"));
}

int AddEditMovieLinkWindow::shownType() const
{
    if (m_online->isChecked())
        return MovieLink::kOnline;
    return m_local->isChecked() ? MovieLink::kLocal : -1;
}

void AddEditMovieLinkWindow::applyType(int type)
{
    const bool local = type == MovieLink::kLocal;
    m_browse->setEnabled(local);
    m_url->setReadOnly(local);
}

void AddEditMovieLinkWindow::onOnlineToggled()
{
    const int type = shownType();
    if (type < 0)
        return;
    applyType(type);
    if (type == m_fieldType)
        return;
    // Each type keeps its own text; the field shows the one of the type now
    // checked.
    if (type == MovieLink::kLocal) {
        m_onlineText = m_url->text();
        m_url->setText(m_localText);
    } else {
        m_localText = m_url->text();
        m_url->setText(m_onlineText);
    }
    m_fieldType = type;
}

void AddEditMovieLinkWindow::takeLocalFile(const String& path)
{
    m_url->setText(path);
    if (m_description->text().isEmpty())
        m_description->setText(pathBaseName(path));
}

void AddEditMovieLinkWindow::onBrowse()
{
    StringList chosen;
    openAnyFileDialog(dialog(), chosen, false);
    if (!chosen.isEmpty())
        takeLocalFile(chosen.first()->value);
}

bool AddEditMovieLinkWindow::save()
{
    const String description = m_description->text().trim();
    const String url = m_url->text().trim();
    if (description.isEmpty() || MovieFormValues::linkCheckText(url).isEmpty()) {
        showBalloon(m_url, tr(u"Please fill the required fields."));
        return false;
    }
    MovieLink values;
    values.type = shownType() == MovieLink::kLocal ? MovieLink::kLocal : MovieLink::kOnline;
    values.url = url;
    values.description = description;
    values.play = m_playable->isChecked();
    if (m_link)
        *m_link = values;
    else
        movie()->links.append(values);
    return true;
}
