#include "model/images/ImageFolder.h"

#include "foundation/io/File.h"
#include "foundation/io/Path.h"

bool ImageFolder::isUsableName(const String& name)
{
    return isUsableFileName(name);
}

String ImageFolder::pathIn(const String& folder, const String& name)
{
    if (folder.isEmpty() || !isUsableName(name))
        return String();
    return String(folder).appendChar(kPathSeparator).append(name);
}

bool ImageFolder::replace(const String& folder, const String& stagedPath, const String& name)
{
    const String target = pathIn(folder, name);
    if (target.isEmpty() || !File::exists(stagedPath))
        return false;
    return File::replace(stagedPath, target);
}

bool ImageFolder::remove(const String& folder, const String& name)
{
    const String path = pathIn(folder, name);
    return !path.isEmpty() && File::exists(path) && File::remove(path);
}
