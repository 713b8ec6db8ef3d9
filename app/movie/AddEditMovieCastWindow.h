#pragma once

#include "app/movie/MovieItemWindow.h"

struct CastItem;
class UILineEdit;

// Adds an actor to a movie's cast or edits one cast entry; both the actor and
// the character must be given.
class AddEditMovieCastWindow : public MovieItemWindow
{
public:
    // item null: a new entry, appended on OK.
    AddEditMovieCastWindow(UIWidget* parent, Movie* movie, CastItem* item);

    void exec();
    bool save() override;

    UILineEdit* actorEdit() const { return m_actor; }
    UILineEdit* characterEdit() const { return m_character; }

private:
    CastItem* m_item;
    UILineEdit* m_actor = nullptr;
    UILineEdit* m_character = nullptr;
};
