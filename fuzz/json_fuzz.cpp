// Automation requests arrive as JSON from outside the process: any bytes
// must read or fail without touching memory outside the input, and whatever
// reads must write back as text that reads again to the same value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "foundation/data/JsonReader.h"
#include "foundation/data/JsonValue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    JsonReader reader;
    JsonValue value;
    if (!reader.read(reinterpret_cast<const char*>(data), size, value)) {
        if (!value.isNull() || reader.errorOffset() > size)
            std::abort();
        return 0;
    }
    std::string written = value.write();
    JsonValue again;
    if (!reader.read(written, again) || again.write() != written)
        std::abort();
    return 0;
}
