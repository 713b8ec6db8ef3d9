#pragma once

#include "model/config/ConfigDefault.h"

// Every key of "config.dat" with its type and default value, in the order the
// file holds them: the model's settings, the windows' geometry, the view's
// settings and the movie list's columns.
class ConfigDefaults
{
public:
    static constexpr int kKeyCount = 110;
    static constexpr int kColumnCount = 16;

    // Appends the known keys with their defaults in registration order.
    static void registerAll(ConfigDefaultList& out);

private:
    static void registerModelKeys(ConfigDefaultList& out);
    static void registerWindowKeys(ConfigDefaultList& out);
    static void registerViewKeys(ConfigDefaultList& out);
    static void registerColumnKeys(ConfigDefaultList& out);
};
