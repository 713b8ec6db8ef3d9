#pragma once

#include "graphics/color/Color.h"
#include "model/application/ApplicationView.h"

#include <cstdint>

class CollectionModel;
class ConfigFile;
class MainWindow;

// The application's presentation object: it owns the main window, starts
// its deferred start-up, holds the movie list's colours and the card
// background rule, and loads and saves the view's keys of the
// configuration. The card's colours and font and the running-time format
// live with the model, which the card renderer and the records read.
class View : public ApplicationView
{
public:
    static constexpr int kDefaultViewMode = 1;

    explicit View(CollectionModel& model);
    ~View() override;
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    // Builds the main window hidden and starts its one-shot start-up timer.
    void createMainWindow() override;
    // Damaged values are taken as the first run would have them: a screen
    // layout outside 0-3 as 0, a view mode outside 0-2 as 1, a zoom that is
    // no number or infinite as its default.
    void loadSettings(const ConfigFile& config) override;
    void saveSettings(ConfigFile& config) const override;

    MainWindow* mainWindow() const { return m_mainWindow; }
    CollectionModel& model() const { return m_model; }

    // 100 + r x 401 / 32768 ms for r from 0 to 32767: 100 to 500 ms.
    static int startUpDelay(int random);

    Color movieListBackgroundColor = Color(165, 133, 0);
    Color movieListTextColor = Color(250, 242, 231);
    Color movieListSelectedTextColor = Color(82, 62, 1);
    bool movieListShowTitleUnderImage = true;
    bool movieCardAutoResizeBackground = true;

private:
    void loadColumns(const ConfigFile& config);
    void saveColumns(ConfigFile& config) const;

    CollectionModel& m_model;
    MainWindow* m_mainWindow = nullptr;
};
