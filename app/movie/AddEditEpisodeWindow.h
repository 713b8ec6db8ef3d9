#pragma once

#include "app/movie/MovieFormValues.h"
#include "app/movie/MovieItemWindow.h"

struct Episode;
class UIButton;
class UIComboBox;
class UILineEdit;
class UISpinBox;
class UITextEditView;

// Adds an episode to a movie or edits one. A season and a number above 0 and
// a title are required, and no two episodes share season and number.
class AddEditEpisodeWindow : public MovieItemWindow
{
public:
    static constexpr int kLargestNumber = 1000;

    // episode null: a new one, appended on OK.
    AddEditEpisodeWindow(UIWidget* parent, Movie* movie, Episode* episode);

    bool exec();
    bool save() override;

    UISpinBox* seasonBox() const { return m_season; }
    UISpinBox* numberBox() const { return m_number; }
    UISpinBox* yearBox() const { return m_year; }
    UIComboBox* monthCombo() const { return m_month; }
    UISpinBox* dayBox() const { return m_day; }
    UILineEdit* titleEdit() const { return m_title; }
    UITextEditView* plotView() const { return m_plot; }
    UILineEdit* fileEdit() const { return m_file; }
    UIButton* browseButton() const { return m_browse; }
    UILineEdit* urlEdit() const { return m_url; }

private:
    void buildDateRow();
    void buildFileRow();
    void onBrowse();
    static UISpinBox* numberSpin(UIWidget* parent, int minimum, int maximum, const String& specialText);

    Episode* m_episode;
    MovieFormValues::YearRange m_yearRange;
    UISpinBox* m_season = nullptr;
    UISpinBox* m_number = nullptr;
    UISpinBox* m_year = nullptr;
    UIComboBox* m_month = nullptr;
    UISpinBox* m_day = nullptr;
    UILineEdit* m_title = nullptr;
    UITextEditView* m_plot = nullptr;
    UILineEdit* m_file = nullptr;
    UIButton* m_browse = nullptr;
    UILineEdit* m_url = nullptr;
};
