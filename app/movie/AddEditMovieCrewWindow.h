#pragma once

#include "app/movie/MovieItemWindow.h"

struct CrewItem;
class UIComboBox;
class UILineEdit;

// Adds a crew member to a movie or edits one crew entry: a role and a name,
// of which only the name must be given.
class AddEditMovieCrewWindow : public MovieItemWindow
{
public:
    // item null: a new entry, appended on OK.
    AddEditMovieCrewWindow(UIWidget* parent, Movie* movie, CrewItem* item);

    void exec();
    bool save() override;

    UIComboBox* roleCombo() const { return m_role; }
    UILineEdit* nameEdit() const { return m_name; }

private:
    CrewItem* m_item;
    UIComboBox* m_role = nullptr;
    UILineEdit* m_name = nullptr;
};
