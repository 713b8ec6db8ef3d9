#pragma once

#include "foundation/system/Thread.h"
#include "foundation/text/String.h"
#include "model/collection/CollectionReader.h"
#include "model/images/FileStamp.h"

// A collection file read on a worker thread ahead of its opening, so that a
// large collection's read overlaps the windows' construction and the
// start-up timer instead of following them. What it read is handed over
// once, to the open of the same file, and only while the file is unchanged
// since the read began; otherwise the open reads the file itself.
class CollectionReadAhead : public Thread
{
public:
    explicit CollectionReadAhead(const String& path);
    // Waits for the read: reading cannot be broken off.
    ~CollectionReadAhead() override;

    const String& path() const { return m_path; }
    // Waits for the read, then the reader holding the whole collection; null
    // when the thread could not start, the read failed or the file has
    // changed. The reader belongs to this object.
    CollectionReader* take();

protected:
    void run() override;

private:
    String m_path;
    FileStamp m_stamp;
    CollectionReader m_reader;
    bool m_started = false;
    bool m_read = false;
};
