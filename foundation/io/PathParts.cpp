#include "foundation/io/PathParts.h"

#include "foundation/io/Path.h"

PathParts::PathParts(const String& path)
{
    if (path.isEmpty())
        return;
    m_directory = pathDirectory(path);
    m_baseName = pathBaseName(path);
    m_extension = pathExtension(path, 0);
}

PathParts::PathParts(const String& directory, const String& baseName, const String& extension)
    : m_directory(directory), m_baseName(baseName), m_extension(extension)
{
}
