// The shop's answer to a bar-code search comes from the network: reading it
// must never read outside the bytes, and a title it gives is never empty and
// carries a medium only from the four known ones.
#include "app/barcode/BarCodeSearch.h"
#include "foundation/net/HttpResponse.h"
#include "model/NewMovieRecord.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace {

const size_t kMaxInput = BarCodeSearch::kMaxAnswerBytes;

bool isKnownMedium(const String& medium)
{
    for (const char16_t* known : {u"", u"Blu-ray", u"DVD", u"CD", u"VHS"}) {
        if (medium == String(known))
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > kMaxInput)
        return 0;
    HttpResponse response;
    if (!response.parse(data, static_cast<int>(size)))
        return 0;
    const String digits(u"5012345678900");
    NewMovieRecord record;
    if (BarCodeSearch::readAnswer(true, response, digits, record) != BarCodeSearch::kFound)
        return 0;
    if (record.title.isEmpty() || !(record.barCode == digits) || !isKnownMedium(record.format))
        __builtin_trap();
    return 0;
}
