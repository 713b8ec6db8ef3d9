#pragma once

#include "foundation/containers/List.h"
#include "foundation/text/String.h"
#include "foundation/time/DateTime.h"

// What one language file says about itself: the header of a loaded file, or
// one entry of the list of installed languages.
struct LanguageInfo
{
    String filePath;
    String name; // the file's base name, without folder and extension
    String englishName;
    String nativeName;
    String author;
    DateTime date;     // the date the file's author gave it
    DateTime fileTime; // the file's last modification, for the language list

    bool isEmpty() const { return filePath.isEmpty() && nativeName.isEmpty(); }
};

using LanguageInfoList = List<LanguageInfo>;
