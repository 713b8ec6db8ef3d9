#pragma once

#include "foundation/io/File.h"
#include "foundation/io/OutputStream.h"

// Saves a file so that a failed save never costs the old one: the bytes go to
// a temporary file beside the target, every write is checked, and commit
// flushes it and puts it in the target's place in one step. A read-only
// target is never replaced. Without a successful commit the temporary file is
// removed and the target is untouched.
class SafeFileOutputStream : public OutputStream
{
public:
    explicit SafeFileOutputStream(const String& target);
    ~SafeFileOutputStream() override;

    int32_t write(const void* data, uint32_t length) override;
    uint64_t size() const override;
    bool seek(uint64_t position) override;
    uint64_t position() const override;
    bool seekToEnd() override;

    // True once a write failed or came up short; commit then refuses.
    bool hasFailed() const { return m_failed; }
    bool commit();

    // A save killed mid-way leaves its temporary beside the target, and
    // once every temporary name is taken no save of the target succeeds.
    // Deletes the target's temporaries that no process holds open (a save
    // running now keeps its own) and nothing else; how many went.
    static int removeStaleTemporaries(const String& target);

    const String& target() const { return m_target; }
    const String& temporaryPath() const { return m_file.path(); }

private:
    static String temporaryName(const String& target, int index);
    static String temporaryPathFor(const String& target);
    void discard();

    String m_target;
    File m_file;
    bool m_failed = false;
    bool m_committed = false;
};
