#pragma once

#include "foundation/io/File.h"
#include "foundation/io/InputStream.h"

// Reads a file from its start.
class FileInputStream : public InputStream
{
public:
    explicit FileInputStream(const String& path);
    ~FileInputStream() override;

    int32_t read(void* buffer, uint32_t length) override;
    uint64_t size() const override;
    bool seek(uint64_t position) override;
    uint64_t position() const override;
    bool seekToEnd() override;

    File& file() { return m_file; }

private:
    File m_file;
};
