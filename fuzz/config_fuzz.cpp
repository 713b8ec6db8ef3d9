// Loads the bytes as a configuration file, in the text form or the XML form
// by the first byte. Loading must fail cleanly on any damage, and whatever
// loads must come back unchanged through a save and a second load: keys,
// values and (in the text form) comments. The text form may refuse to save
// what it cannot hold; the XML form holds everything.
#include "foundation/core/AppCore.h"
#include "foundation/data/ConfigFile.h"
#include "foundation/io/Directory.h"
#include "foundation/io/PosixPath.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

std::string g_folder;

void removeFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(g_folder, ignored);
}

// The files go to a folder of this run, which the core takes for the
// program's folder.
AppCore& core()
{
    static AppCore instance(String(u"ConfigFuzz"), String(u"1"));
    if (g_folder.empty()) {
        g_folder = "/tmp/reelstack-config-fuzz-" + std::to_string(getpid());
        Directory::create(fromNativePath(g_folder));
        instance.setAppDirectory(fromNativePath(g_folder));
        std::atexit(removeFolder);
    }
    return instance;
}

bool writeInput(const uint8_t* data, size_t size)
{
    std::ofstream out(g_folder + "/input.cfg", std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    return bool(out);
}

bool sameEntries(const ConfigFile& a, const ConfigFile& b, bool withComments)
{
    if (a.count() != b.count())
        return false;
    List<ConfigEntry*>::Node* left = a.entries().first();
    List<ConfigEntry*>::Node* right = b.entries().first();
    for (; left && right; left = left->next, right = right->next) {
        if (left->value->key() != right->value->key())
            return false;
        if (left->value->value().toString() != right->value->value().toString())
            return false;
        if (withComments && left->value->comment() != right->value->comment())
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > (1 << 20))
        return 0;
    core();
    int format = (data[0] & 1) ? ConfigFile::kXml : ConfigFile::kText;
    if (!writeInput(data + 1, size - 1))
        return 0;
    ConfigFile input(String(u"input.cfg"), String(), ConfigFile::kAppDirectory, format);
    if (!input.load())
        return 0;

    ConfigFile output(String(u"output.cfg"), String(), ConfigFile::kAppDirectory, format);
    for (ConfigEntry* entry : input.entries())
        output.addEntry(entry->key(), entry->value(), entry->comment());
    if (!output.save()) {
        if (format == ConfigFile::kXml)
            __builtin_trap();
        return 0;
    }
    ConfigFile back(String(u"output.cfg"), String(), ConfigFile::kAppDirectory, format);
    if (!back.load() || !sameEntries(input, back, format == ConfigFile::kText))
        __builtin_trap();
    return 0;
}
