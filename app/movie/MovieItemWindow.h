#pragma once

#include "app/window/Window.h"
#include "foundation/text/String.h"

class Movie;
class UIButton;
class UIDialog;
class UIGroup;
class UILabel;
class UIWidget;

// What the small editors of one item of a movie (an episode, a cast or crew
// entry, a link) share: a dialog holding a two-column group of labelled
// editors and a row with OK and Cancel. OK runs the editor's save, which
// writes straight into the movie and closes the dialog only when it passed
// its checks; Cancel and closing leave the movie as it was.
class MovieItemWindow : public Window
{
public:
    // context: the translation context of the window's texts.
    MovieItemWindow(UIWidget* parent, Movie* movie, bool editing, const char16_t* context);
    ~MovieItemWindow() override;
    MovieItemWindow(const MovieItemWindow&) = delete;
    MovieItemWindow& operator=(const MovieItemWindow&) = delete;

    UIDialog* dialog() const { return m_dialog; }
    UIButton* okButton() const { return m_ok; }
    UIButton* cancelButton() const { return m_cancel; }
    bool isEditing() const { return m_editing; }

    // Writes the editors into the movie; false, with the balloon shown and
    // the movie unchanged, when a check fails.
    virtual bool save() = 0;

protected:
    // The dialog's title (the application name appended) and minimum size.
    void buildFrame(const String& title, int minimumWidth, int minimumHeight);
    // A label in the first column; the editor, made by the caller with
    // group() as parent, goes in the second.
    UILabel* addLabel(const String& text);
    template <class W> W* addEditor(W* editor)
    {
        placeEditor(editor);
        return editor;
    }
    void addButtonRow();
    // Shows the dialog modally with its position as last stored under
    // geometryName, stores it again when it closes; true when accepted.
    bool run(const String& geometryName);
    // "Please fill the required fields." or another text, pointing at the
    // centre of the field.
    void showBalloon(UIWidget* field, const String& text);
    String tr(const char16_t* text) const { return translate(text, m_context); }
    UIGroup* group() const { return m_group; }
    Movie* movie() const { return m_movie; }

private:
    void placeEditor(UIWidget* editor);
    void onOk();
    void onCancel();

    UIDialog* m_dialog = nullptr;
    UIGroup* m_group = nullptr;
    UIButton* m_ok = nullptr;
    UIButton* m_cancel = nullptr;
    UIWidget* m_parent = nullptr;
    Movie* m_movie = nullptr;
    bool m_editing = false;
    const char16_t* m_context;
};
