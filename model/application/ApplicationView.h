#pragma once

class ConfigFile;

// What the model's Application asks of the windows' View, which owns the
// main window. The windows implement it; tests use a headless one.
class ApplicationView
{
public:
    virtual ~ApplicationView() = default;
    // Creates the main window; it opens itself later from a timer.
    virtual void createMainWindow() = 0;
    // The view's own keys of the configuration (window geometry aside).
    virtual void loadSettings(const ConfigFile& config) = 0;
    // Writes them back without saving the file.
    virtual void saveSettings(ConfigFile& config) const = 0;
};
