#pragma once

#include "foundation/text/ByteArray.h"
#include "foundation/text/String.h"
#include "model/extractors/MovieDbExtractor.h"
#include "tests/support/TestSupport.h"

#include <string>

namespace extractortest {

inline String text(const std::string& utf8)
{
    return String::fromUtf8(utf8.c_str(), int(utf8.size()));
}

inline std::string u8(const String& value)
{
    ByteArray bytes = value.toUtf8();
    return std::string(reinterpret_cast<const char*>(bytes.data()), size_t(bytes.size()));
}

// Windows takes '/' in paths as well.
inline std::string dataPath(const std::string& name)
{
    return testsupport::dataDir() + "/extractors/" + name;
}

// The small replace table of the test data.
inline void loadTestTable(MovieExtractor& extractor)
{
    extractor.loadReplaceTable(text(dataPath("replace-table.xml")));
}

} // namespace extractortest
