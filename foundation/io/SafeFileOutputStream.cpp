#include "foundation/io/SafeFileOutputStream.h"

namespace {

// How many temporary names are tried beside one target before giving up.
const int kTemporaryNameTries = 100;

} // namespace

SafeFileOutputStream::SafeFileOutputStream(const String& target)
    : m_target(target), m_file(temporaryPathFor(target))
{
    m_open = !m_file.path().isEmpty() && m_file.open(File::kModeWrite);
}

SafeFileOutputStream::~SafeFileOutputStream()
{
    if (!m_committed)
        discard();
}

// Beside the target, so that the final rename never crosses volumes.
String SafeFileOutputStream::temporaryName(const String& target, int index)
{
    String name(target);
    name.append(String(u".~"));
    name.append(String::fromInt(index));
    name.append(String(u".tmp"));
    return name;
}

String SafeFileOutputStream::temporaryPathFor(const String& target)
{
    if (target.isEmpty())
        return String();
    for (int i = 0; i < kTemporaryNameTries; ++i) {
        String candidate = temporaryName(target, i);
        if (!File::exists(candidate))
            return candidate;
    }
    return String();
}

int SafeFileOutputStream::removeStaleTemporaries(const String& target)
{
    if (target.isEmpty())
        return 0;
    int removed = 0;
    for (int i = 0; i < kTemporaryNameTries; ++i) {
        String candidate = temporaryName(target, i);
        if (File::exists(candidate) && File::removeIfUnused(candidate))
            ++removed;
    }
    return removed;
}

int32_t SafeFileOutputStream::write(const void* data, uint32_t length)
{
    if (m_failed || !m_open)
        return -1;
    int32_t written = m_file.write(data, length);
    if (written < 0 || uint32_t(written) != length)
        m_failed = true;
    return written;
}

uint64_t SafeFileOutputStream::size() const
{
    return m_file.size();
}

bool SafeFileOutputStream::seek(uint64_t position)
{
    return m_file.seek(position);
}

uint64_t SafeFileOutputStream::position() const
{
    return m_file.position();
}

bool SafeFileOutputStream::seekToEnd()
{
    return m_file.seekToEnd();
}

bool SafeFileOutputStream::commit()
{
    if (m_committed)
        return false;
    // A read-only target is the user's wish not to change it.
    if (!m_open || m_failed || File::isReadOnly(m_target) || !m_file.flush()) {
        discard();
        return false;
    }
    m_file.close();
    m_open = false;
    if (!File::replace(m_file.path(), m_target)) {
        discard();
        return false;
    }
    m_committed = true;
    return true;
}

void SafeFileOutputStream::discard()
{
    bool created = m_open;
    m_file.close();
    m_open = false;
    m_failed = true;
    if (created || File::exists(m_file.path()))
        File::remove(m_file.path());
}
