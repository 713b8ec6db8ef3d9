#include "tools/skingen/StyleArchiveWriter.h"

#include "foundation/io/PosixPath.h"

#include <filesystem>

bool StyleArchiveWriter::writeFile(const std::string& path, const ByteArray& bytes)
{
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    return !error && bytes.saveToFile(fromNativePath(path));
}

bool StyleArchiveWriter::add(const std::string& group, const std::string& item, const ByteArray& bytes)
{
    const std::string path = m_stage + "/" + group + "/" + item;
    if (bytes.isEmpty() || !writeFile(path, bytes))
        return false;
    PakItem* added = m_archive.addFile(fromNativePath(path), fromNativePath(group), fromNativePath(item));
    if (!added)
        return false;
    added->setDateTime(DateTime());
    m_archive.findGroup(fromNativePath(group))->setDateTime(DateTime());
    return true;
}

bool StyleArchiveWriter::addText(const std::string& group, const std::string& item, const std::string& text)
{
    ByteArray bytes;
    bytes.assignChars(text.data(), static_cast<int>(text.size()));
    return add(group, item, bytes);
}

bool StyleArchiveWriter::save(const std::string& path)
{
    return m_archive.save(fromNativePath(path));
}
