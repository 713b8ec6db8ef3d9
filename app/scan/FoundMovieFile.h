#pragma once

#include "foundation/containers/List.h"
#include "foundation/text/String.h"
#include "model/NewMovieRecord.h"

// One video file the folder scan found: the movie it would become, its path
// and whether the user ticked it.
struct FoundMovieFile
{
    NewMovieRecord record;
    String path;
    bool ticked = false;
};

class FoundMovieFileList : public List<FoundMovieFile>
{
};
