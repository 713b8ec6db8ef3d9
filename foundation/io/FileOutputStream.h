#pragma once

#include "foundation/io/File.h"
#include "foundation/io/OutputStream.h"

// Writes straight into a file, created or truncated, or appended to.
class FileOutputStream : public OutputStream
{
public:
    FileOutputStream(const String& path, bool append);
    ~FileOutputStream() override;

    int32_t write(const void* data, uint32_t length) override;
    uint64_t size() const override;
    bool seek(uint64_t position) override;
    uint64_t position() const override;
    bool seekToEnd() override;

    bool flush();
    File& file() { return m_file; }

private:
    File m_file;
};
