// Answers come from any server on the network: splitting them into status,
// header lines and body, and reading the status kind, header values and the
// page's charset must never read outside the bytes or lose body bytes.
#include "foundation/net/HttpHeaders.h"
#include "foundation/net/HttpResponse.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

const size_t kMaxInput = 1 << 20;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > kMaxInput)
        return 0;
    HttpResponse response;
    if (!response.parse(data, static_cast<int>(size)))
        return 0;

    // The body is exactly what follows the first empty line.
    const ByteArray& body = response.body();
    const uint8_t* end = nullptr;
    for (size_t i = 0; i + 4 <= size; ++i) {
        if (std::memcmp(data + i, "\r\n\r\n", 4) == 0) {
            end = data + i + 4;
            break;
        }
    }
    if (end == nullptr || static_cast<size_t>(body.size()) != size - static_cast<size_t>(end - data))
        __builtin_trap();
    if (body.size() > 0 && std::memcmp(body.data(), end, static_cast<size_t>(body.size())) != 0)
        __builtin_trap();

    const HttpHeaders& headers = response.headers();
    int kind = headers.statusKind();
    if (kind < HttpHeaders::kStatusOther || kind > HttpHeaders::kStatusLengthRequired)
        __builtin_trap();
    headers.value(String(u"Content-Type:"));
    headers.value(String(u"Location"));
    headers.contains(String(u"Content-Type:"));
    headers.toText();
    response.charset();
    return 0;
}
