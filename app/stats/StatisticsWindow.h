#pragma once

#include "app/window/Window.h"

class CollectionModel;
class UIBox;
class UIButton;
class UIDialog;
class UIEvent;
class UIGroup;
class UILabel;

// Shows five figures of the open collection, computed anew on each run;
// changes nothing. Reopens where it was last closed.
class StatisticsWindow : public Window
{
public:
    static constexpr int kFigureCount = 5;

    // parent is kept for the caller's sake; the dialog sits over the main
    // window.
    StatisticsWindow(CollectionModel& model, Window* parent);
    ~StatisticsWindow() override;
    StatisticsWindow(const StatisticsWindow&) = delete;
    StatisticsWindow& operator=(const StatisticsWindow&) = delete;

    // Fills the values and runs the dialog until it closes.
    void exec();
    void saveGeometry(UIEvent* event);
    void close();

    UIDialog* dialog() const { return m_dialog; }
    UILabel* value(int row) const { return m_values[row]; }
    UIButton* closeButton() const { return m_closeButton; }

private:
    void buildUi();
    void fillValues();

    CollectionModel& m_model;
    Window* m_parent = nullptr;
    UIDialog* m_dialog = nullptr;
    UIGroup* m_group = nullptr;
    UILabel* m_captions[kFigureCount] = {};
    UILabel* m_values[kFigureCount] = {};
    UIBox* m_buttonBox = nullptr;
    UIButton* m_closeButton = nullptr;
};
