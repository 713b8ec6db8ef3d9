#include "foundation/io/File.h"

#include "foundation/io/Path.h"
#include "foundation/time/DateTime.h"

bool File::isOpen() const
{
    return m_handle != -1;
}

bool File::rewind()
{
    return seek(0);
}

String File::sizeText(const String& path, int* unit)
{
    if (path.isEmpty())
        return String();
    return String::formatByteSize(uint64_t(size(path)), unit);
}

bool File::isEmpty(const String& path)
{
    return size(path) == 0;
}

// The new name stays in the file's own folder, so it must be a plain name.
bool File::rename(const String& path, const String& newName)
{
    if (!exists(path) || !isValidFileName(newName))
        return false;
    int separator = -1;
    for (int i = path.length() - 1; i >= 0 && separator < 0; --i) {
        if (path.at(i) == kPathSeparator)
            separator = i;
    }
    if (separator < 0)
        return move(path, newName);
    String target(path.data(), separator + 1);
    target.append(newName);
    return move(path, target);
}

bool File::isReadOnly(const String& path)
{
    return (attributes(path) & kAttributeReadOnly) != 0;
}

bool File::isHidden(const String& path)
{
    return (attributes(path) & kAttributeHidden) != 0;
}

DateTime File::creationTime(const String& path, bool local)
{
    return fileTime(path, kCreationTime, local);
}

DateTime File::lastAccessTime(const String& path, bool local)
{
    return fileTime(path, kLastAccessTime, local);
}

DateTime File::lastWriteTime(const String& path, bool local)
{
    return fileTime(path, kLastWriteTime, local);
}
