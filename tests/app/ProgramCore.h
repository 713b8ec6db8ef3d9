#pragma once

// The program core the window tests share: the product's name and version,
// and the data archive the build puts beside the tests (logo, icons, the
// identity). Windows only.
#include "foundation/core/AppCore.h"

#include <windows.h>

// A core with the archive open, for a suite to delete when it ends; null
// when one exists already (an earlier suite's).
inline AppCore* makeProgramCore()
{
    if (AppCore::instance())
        return nullptr;
    auto* core = new AppCore(String(u"Reelstack"), String(u"1.2.0"));
    wchar_t here[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, here);
    // The tests run in build\win32\tests; the archive lies beside them.
    core->setAppDirectory(String(reinterpret_cast<const char16_t*>(here)) + u"\\..");
    core->openPak(String(u"data"));
    return core;
}
