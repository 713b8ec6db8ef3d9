#pragma once

#include "foundation/text/String.h"

// The picture files of a collection's "Images" folder (and of its
// "Thumbnails" sibling), by name. The names come from collection files that
// someone else may have written, so each is checked (isUsableName) before it
// is joined to the folder: nothing reads, writes or removes a file outside
// it, nor a device, which the system finds in every folder.
class ImageFolder
{
public:
    // Whether the name can stand in the folder (isUsableFileName).
    static bool isUsableName(const String& name);
    // The folder, a separator and the name; empty without a folder, or for a
    // name that is not usable.
    static String pathIn(const String& folder, const String& name);
    // Puts a staged picture in place under the name, over a file of that
    // name (the movie editor's save). False, with nothing changed, for a
    // name that fails, a missing staged file or a failed move.
    static bool replace(const String& folder, const String& stagedPath, const String& name);
    // Removes the picture of that name; false for a name that fails or a
    // file that is not there.
    static bool remove(const String& folder, const String& name);
};
