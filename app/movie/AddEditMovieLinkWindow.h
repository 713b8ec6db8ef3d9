#pragma once

#include "app/movie/MovieItemWindow.h"

struct MovieLink;
class UIButton;
class UICheck;
class UILineEdit;
class UIRadio;

// Adds a link to a movie or edits one: an online address that is typed, or a
// local file chosen through the browse dialog. Each type keeps its own text
// while the dialog is open; only the shown type's is stored.
class AddEditMovieLinkWindow : public MovieItemWindow
{
public:
    // link null: a new one, appended on OK.
    AddEditMovieLinkWindow(UIWidget* parent, Movie* movie, MovieLink* link);

    void exec();
    bool save() override;

    UIRadio* onlineRadio() const { return m_online; }
    UIRadio* localRadio() const { return m_local; }
    UICheck* playableCheck() const { return m_playable; }
    UILineEdit* urlEdit() const { return m_url; }
    UIButton* browseButton() const { return m_browse; }
    UILineEdit* descriptionEdit() const { return m_description; }

    // Takes a chosen file as the browse dialog gives it: the URL, and the
    // description while that is empty.
    void takeLocalFile(const String& path);

private:
    void buildTypeRow();
    void buildUrlRow();
    int shownType() const;
    void applyType(int type);
    void onOnlineToggled();
    void onBrowse();

    MovieLink* m_link;
    UIRadio* m_online = nullptr;
    UIRadio* m_local = nullptr;
    UICheck* m_playable = nullptr;
    UILineEdit* m_url = nullptr;
    UIButton* m_browse = nullptr;
    UILineEdit* m_description = nullptr;
    // The type whose text the URL field shows, and the other type's text.
    int m_fieldType = -1;
    String m_onlineText;
    String m_localText;
};
