#include "app/movie/AddEditMovieCastWindow.h"

#include "model/records/Movie.h"
#include "ui/widgets/edit/UILineEdit.h"
#include "ui/widgets/group/UIGroup.h"

AddEditMovieCastWindow::AddEditMovieCastWindow(UIWidget* parent, Movie* movie, CastItem* item)
    : MovieItemWindow(parent, movie, item != nullptr, u"AddEditMovieCastWindow"), m_item(item)
{
    buildFrame(tr(isEditing() ? u"Edit Actor" : u"Add Actor"), 350, 0);
    addLabel(tr(u"Actor"));
    m_actor = addEditor(new UILineEdit(group()));
    addLabel(tr(u"Character"));
    m_character = addEditor(new UILineEdit(group()));
    addButtonRow();
}

void AddEditMovieCastWindow::exec()
{
    if (m_item) {
        m_actor->setText(m_item->actor);
        m_character->setText(m_item->character);
    }
    run(String(u"AddEditMovieCast"));
}

bool AddEditMovieCastWindow::save()
{
    const String actor = m_actor->text().trim();
    const String character = m_character->text().trim();
    if (actor.isEmpty() || character.isEmpty()) {
        showBalloon(m_actor, tr(u"Please fill the required fields."));
        return false;
    }
    if (m_item) {
        m_item->actor = actor;
        m_item->character = character;
        return true;
    }
    movie()->cast.append(CastItem{actor, character});
    return true;
}
