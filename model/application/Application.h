#pragma once

#include "foundation/text/String.h"

#include <cstdint>
#include <functional>

class ApplicationView;
class CollectionModel;
class ConfigFile;

// The program's top-level object: it owns the configuration "config.dat",
// the collection model and the view with the main window, and is the one
// place every part reaches them through. It lives on the entry point's
// stack from after the data archive is mounted until the message loop ends.
class Application
{
public:
    // Makes the view; the model cannot know the windows.
    using ViewFactory = std::function<ApplicationView*()>;

    // The collection the program shows on its very first start.
    static const char16_t kExampleName[];

    explicit Application(const ViewFactory& makeView);
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Valid from the construction of the one Application to the end of its
    // destructor, also inside the model's and the view's destructors.
    static Application* instance();
    static CollectionModel& model();
    static ApplicationView& view();
    static ConfigFile& config();

    // The model's side of closing the main window: the view's and the
    // model's settings go into "config.dat", which is saved; the shown
    // movie's id is kept in the collection, which is closed and written.
    // False when "config.dat" or the collection could not be saved; a
    // collection that could not be saved stays open and in memory.
    bool saveAndClose(int32_t shownMovieId);
    // The same writes with the collection left open and in memory: the end
    // of the system's session, after which the process may be ended at any
    // moment while windows still show the collection.
    bool saveKeepingOpen(int32_t shownMovieId);

private:
    // The view's and the model's settings into "config.dat", which is saved,
    // and the shown movie into the open collection's header, for its write.
    bool saveSettings(int32_t shownMovieId);
    void writeExampleCollection();

    ConfigFile* m_config = nullptr;
    CollectionModel* m_model = nullptr;
    ApplicationView* m_view = nullptr;
};
