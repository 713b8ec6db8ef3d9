#include "app/movie/AddEditMovieCrewWindow.h"

#include "model/records/Movie.h"
#include "ui/widgets/combo/UIComboBox.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/group/UIGroup.h"

AddEditMovieCrewWindow::AddEditMovieCrewWindow(UIWidget* parent, Movie* movie, CrewItem* item)
    : MovieItemWindow(parent, movie, item != nullptr, u"AddEditMovieCrewWindow"), m_item(item)
{
    buildFrame(tr(isEditing() ? u"Edit Crew Member" : u"Add Crew Member"), 350, 0);
    addLabel(tr(u"Role"));
    m_role = addEditor(new UIComboBox(group()));
    for (int role = CrewItem::kDirector; role <= CrewItem::kCreator; ++role)
        m_role->addItem(CrewItem::roleName(role));
    m_role->setCurrentIndex(0);
    addLabel(tr(u"Name"));
    m_name = addEditor(new UILineEdit(group()));
    addButtonRow();
}

void AddEditMovieCrewWindow::exec()
{
    if (m_item) {
        m_role->setCurrentIndex(m_item->role);
        m_name->setText(m_item->name);
    }
    run(String(u"AddEditMovieCrew"));
}

bool AddEditMovieCrewWindow::save()
{
    const String name = m_name->text().trim();
    if (name.isEmpty()) {
        showBalloon(m_name, tr(u"Please fill the required fields."));
        return false;
    }
    const int role = m_role->currentIndex() < 0 ? 0 : m_role->currentIndex();
    if (m_item) {
        m_item->role = role;
        m_item->name = name;
        return true;
    }
    CrewItem item;
    item.role = role;
    item.name = name;
    movie()->crew.append(item);
    return true;
}
