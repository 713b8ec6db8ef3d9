#pragma once

#include "foundation/text/String.h"

// A path split into its folder, its base name and its extension (without the
// dot, case kept), as the path rules see them.
class PathParts
{
public:
    PathParts() = default;
    explicit PathParts(const String& path);
    PathParts(const String& directory, const String& baseName, const String& extension);

    const String& directory() const { return m_directory; }
    const String& baseName() const { return m_baseName; }
    const String& extension() const { return m_extension; }

    void setBaseName(const String& baseName) { m_baseName = baseName; }
    void setExtension(const String& extension) { m_extension = extension; }
    void clearBaseName() { m_baseName.clear(); }
    void clearExtension() { m_extension.clear(); }

private:
    String m_directory;
    String m_baseName;
    String m_extension;
};
