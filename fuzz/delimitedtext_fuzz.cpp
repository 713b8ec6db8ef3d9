// Any bytes read as a delimited text import: the detection and the reading in
// the detected format and in every other one must stay inside the lines, and
// every movie read must have a title.
#include "model/textexchange/DelimitedTextReader.h"

#include <cstddef>
#include <cstdint>

namespace {

void readWith(DelimitedTextReader& reader, const DelimitedTextFormat& format)
{
    NewMovieRecordList records;
    const int read = reader.read(format, records);
    if (read != records.count() || read + reader.skippedCount() != reader.lineCount())
        __builtin_trap();
    if (read != reader.countReadable(format))
        __builtin_trap();
    for (const NewMovieRecord& record : records) {
        if (record.title.isEmpty())
            __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 0x10000)
        return 0;
    DelimitedTextReader reader(String::fromTextBuffer(data, int(size), 3));
    const DelimitedTextFormat detected = reader.detect();
    if (detected.isValid())
        readWith(reader, detected);
    readWith(reader, DelimitedTextFormat(int(size % 3), int(size / 3 % 3)));
    return 0;
}
