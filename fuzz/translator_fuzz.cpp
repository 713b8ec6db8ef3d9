// Language files from outside, in the binary form from memory (first byte
// even) or the XML form from a file (first byte odd). A damaged file must fail
// cleanly; one that loads must answer for every text it holds, and must pass
// through the binary writer and load again with the same translations.
#include "foundation/core/LanguageFile.h"
#include "foundation/core/Translator.h"
#include "foundation/io/PosixPath.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace {

using Item = std::tuple<std::u16string, std::u16string, std::u16string>;

std::string g_folder;

void removeFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(g_folder, ignored);
}

std::string folder()
{
    if (g_folder.empty()) {
        g_folder = "/tmp/reelstack-translator-fuzz-" + std::to_string(getpid());
        std::filesystem::create_directories(g_folder);
        std::atexit(removeFolder);
    }
    return g_folder;
}

std::u16string text(const String& value)
{
    return value.isEmpty() ? std::u16string() : std::u16string(value.data(), size_t(value.length()));
}

// The items in a fixed order: the writer groups them by context.
std::vector<Item> sortedItems(const LanguageFile& file)
{
    std::vector<Item> items;
    for (LanguageItem* item : file.items())
        items.emplace_back(text(item->context()), text(item->source()), text(item->translation()));
    std::sort(items.begin(), items.end());
    return items;
}

bool loadRaw(LanguageFile& file, bool xml, const uint8_t* data, size_t size, const String& path)
{
    file.setKeepsEscapes(true);
    return xml ? file.loadXml(path) : file.loadBinaryFromMemory(data, size);
}

void translateEverything(const Translator& translator)
{
    String out;
    for (LanguageItem* item : translator.file().items()) {
        std::u16string source = text(item->source());
        std::u16string context = text(item->context());
        translator.translate(out, source.c_str(), context.c_str());
        translator.translate(out, source.c_str(), nullptr);
        translator.translateById(out, item->id());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > (1 << 20))
        return 0;
    bool xml = (data[0] & 1) != 0;
    const uint8_t* body = data + 1;
    size_t bodySize = size - 1;
    String xmlPath = fromNativePath(folder() + "/input.xml");
    if (xml) {
        std::ofstream out(folder() + "/input.xml", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(body), std::streamsize(bodySize));
        if (!out)
            return 0;
    }

    Translator translator;
    bool loaded = xml ? translator.load(xmlPath) : translator.loadFromMemory(body, bodySize);
    if (loaded == translator.isEmpty())
        __builtin_trap();
    if (!loaded)
        return 0;
    translateEverything(translator);

    LanguageFile raw;
    if (!loadRaw(raw, xml, body, bodySize, xmlPath))
        __builtin_trap();
    String binaryPath = fromNativePath(folder() + "/output.lang");
    if (!raw.saveBinary(binaryPath))
        return 0;
    LanguageFile back;
    back.setKeepsEscapes(true);
    if (!back.loadBinary(binaryPath) || sortedItems(back) != sortedItems(raw))
        __builtin_trap();
    return 0;
}
