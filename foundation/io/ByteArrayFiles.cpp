// The whole-file helpers of ByteArray.
#include "foundation/text/ByteArray.h"

#include "foundation/io/File.h"
#include "foundation/io/SafeFileOutputStream.h"

namespace {

// Files this large cannot be held in one ByteArray.
const int64_t kMaxFileSize = 0x7FFFFFFF;

} // namespace

bool ByteArray::loadFromFile(const String& path)
{
    clear();
    if (!File::exists(path))
        return false;
    File file(path);
    if (!file.open(File::kModeRead))
        return false;
    uint64_t size = file.size();
    if (size == 0 || size >= uint64_t(kMaxFileSize))
        return false;
    ByteArray bytes;
    bytes.resize(int(size));
    if (file.read(bytes.data(), uint32_t(size)) != int32_t(size))
        return false;
    take(bytes);
    return true;
}

// An empty ByteArray still leaves an empty file behind, as callers expect,
// but reports false.
bool ByteArray::saveToFile(const String& path) const
{
    SafeFileOutputStream stream(path);
    if (!stream.isOpen())
        return false;
    if (!isEmpty() && stream.write(data(), uint32_t(size())) != size())
        return false;
    return stream.commit() && !isEmpty();
}
