#pragma once

#include "foundation/containers/StringList.h"
#include "foundation/text/String.h"
#include "model/scan/ScannedFile.h"

// Walks a folder and its sub-folders for video files and proposes a movie
// title for each, made from the file name. The walk never enters junctions or
// symbolic links and stops at the listing's depth limit, so a folder that
// contains itself cannot hang it.
class FolderScanner
{
public:
    FolderScanner();

    // Replaces the list with the video files under folder, in listing order.
    // False, with an empty list, when the folder text is empty, names no
    // folder, or nothing under it is a video file.
    bool scan(const String& folder);
    const ScannedFileList& files() const { return m_files; }

    // The file name without its extension, with '_' read as a blank and the
    // first letter of every word in capitals; the rest keeps its case.
    static String titleFromPath(const String& path);

private:
    StringList m_extensions;
    ScannedFileList m_files;
};
