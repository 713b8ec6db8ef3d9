#pragma once

// A staging whose move of one staged file into Images fails, after the file
// of that name in Images was set aside: what a disk does when the folder is
// taken away or fills up between the two moves.
#include "app/movie/ImageStaging.h"

class FailingMoveIn : public ImageStaging
{
public:
    String failing;
    int failures = 0;

protected:
    bool moveFile(const String& source, const String& target) override
    {
        if (!failing.isEmpty() && source == stagedPath(failing)) {
            ++failures;
            return false;
        }
        return ImageStaging::moveFile(source, target);
    }
};
