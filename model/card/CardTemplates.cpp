#include "model/card/CardTemplates.h"

#include "foundation/core/AppCore.h"
#include "foundation/data/PakArchive.h"
#include "foundation/io/Directory.h"
#include "foundation/io/Path.h"

namespace {

const char16_t kDefaultSet[] = u"default";
const char16_t kGroup[] = u"templates/default";

String templatesRoot()
{
    AppCore* core = AppCore::instance();
    if (!core)
        return String();
    return String(core->appDirectory()).append(String(u"\\data\\templates"));
}

String readPart(const String& name)
{
    AppCore* core = AppCore::instance();
    PakArchive* archive = core ? core->findPak(String(u"data")) : nullptr;
    PakItem* item = archive ? archive->findItem(String(kGroup), name + u".html") : nullptr;
    if (!item || item->dataSize() == 0)
        return String();
    const uint8_t* bytes = item->data();
    int size = item->dataSize();
    bool bom = size >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF;
    return bom ? String::fromUtf8(bytes + 3, size - 3) : String::fromUtf8(bytes, size);
}

} // namespace

CardTemplates::CardTemplates()
{
    setTemplateSet(String(kDefaultSet));
}

void CardTemplates::setTemplateSet(const String& name)
{
    bool usable = isValidFileName(name) && Directory::exists(templatesRoot() + kPathSeparator + name);
    m_templateSet = usable ? name : String(kDefaultSet);
}

String CardTemplates::templateFolder() const
{
    return templatesRoot() + kPathSeparator + m_templateSet;
}

const String& CardTemplates::part(const char16_t* name)
{
    for (const auto& entry : m_cache) {
        if (String::equalsCString(entry.first, name))
            return entry.second;
    }
    String key(name);
    m_cache.emplace_back(key, readPart(key));
    return m_cache.back().second;
}
