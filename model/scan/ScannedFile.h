#pragma once

#include "foundation/containers/List.h"
#include "foundation/text/String.h"

// One video file found by the folder scan, with the title proposed for it.
struct ScannedFile
{
    String path;
    String title;
};

class ScannedFileList : public List<ScannedFile>
{
};
