#include "foundation/data/PakArchive.h"

#include "foundation/containers/StringList.h"
#include "foundation/io/DataReader.h"
#include "foundation/io/DataWriter.h"
#include "foundation/io/Directory.h"
#include "foundation/io/File.h"
#include "foundation/io/LittleEndian.h"
#include "foundation/io/MemoryStream.h"
#include "foundation/io/Path.h"
#include "foundation/io/SafeFileOutputStream.h"

#include <algorithm>
#include <vector>

namespace {

// A name field holds at most 255 units and the terminating zero.
const uint32_t kMaxNameBytes = 512;
const char16_t kRootGroupName[] = u"/";

uint32_t u32At(const uint8_t* bytes, int offset)
{
    return fromLittleEndian<uint32_t>(bytes + offset);
}

uint64_t u64At(const uint8_t* bytes, int offset)
{
    return fromLittleEndian<uint64_t>(bytes + offset);
}

void putU32(uint8_t* bytes, int offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = uint8_t(value >> (8 * i));
}

void putU64(uint8_t* bytes, int offset, uint64_t value)
{
    putU32(bytes, offset, uint32_t(value));
    putU32(bytes, offset + 4, uint32_t(value >> 32));
}

DateTime dateTimeAt(const uint8_t* bytes, int offset)
{
    return DateTime(int32_t(u32At(bytes, offset)), int32_t(u32At(bytes, offset + 4)),
                    int32_t(u32At(bytes, offset + 8)), int32_t(u32At(bytes, offset + 12)),
                    int32_t(u32At(bytes, offset + 16)), int32_t(u32At(bytes, offset + 20)),
                    int32_t(u32At(bytes, offset + 24)));
}

void putDateTime(uint8_t* bytes, int offset, const DateTime& value)
{
    const int32_t fields[7] = {value.year(),   value.month(),  value.day(),        value.hour(),
                               value.minute(), value.second(), value.millisecond()};
    for (int i = 0; i < 7; ++i)
        putU32(bytes, offset + 4 * i, uint32_t(fields[i]));
}

uint32_t nameFieldSize(const String& name)
{
    return name.isEmpty() ? 0 : uint32_t(name.length() + 1) * 2;
}

// The name as the file holds it: UTF-16 little-endian with its terminator.
// A field that is too long, odd or has no terminator is damage.
bool readName(DataReader& reader, uint32_t size, String& name)
{
    name.clear();
    if (size == 0)
        return true;
    if (size > kMaxNameBytes || size % 2 != 0 || size > reader.remaining())
        return false;
    uint8_t bytes[kMaxNameBytes];
    if (reader.readRaw(bytes, size) != int32_t(size))
        return false;
    for (uint32_t i = 0; i < size; i += 2) {
        char16_t unit = char16_t(bytes[i] | (bytes[i + 1] << 8));
        if (unit == 0)
            return true;
        name.appendChar(unit);
    }
    return false;
}

bool writeName(DataWriter& writer, const String& name)
{
    if (name.isEmpty())
        return true;
    ByteArray bytes;
    bytes.resize(int(nameFieldSize(name)));
    for (int i = 0; i < name.length(); ++i) {
        bytes.setAt(2 * i, uint8_t(name.at(i)));
        bytes.setAt(2 * i + 1, uint8_t(name.at(i) >> 8));
    }
    return writer.writeBytes(bytes) == bytes.size();
}

bool readItem(DataReader& reader, PakGroup& group)
{
    uint8_t record[PakArchive::kItemRecordSize];
    if (reader.readRaw(record, sizeof record) != int32_t(sizeof record))
        return false;
    String name;
    if (!readName(reader, u32At(record, 0), name))
        return false;
    uint32_t dataSize = u32At(record, 44);
    if (dataSize > reader.remaining() || dataSize > uint32_t(INT32_MAX))
        return false;
    ByteArray data;
    if (dataSize > 0) {
        data = reader.readBytes(dataSize);
        if (data.size() != int(dataSize))
            return false;
    }
    PakItem* item = new PakItem;
    item->setName(name);
    item->setHash(u64At(record, 4));
    item->setType(u32At(record, 12));
    item->setDateTime(dateTimeAt(record, 16));
    item->setData(data);
    group.addItem(item);
    return true;
}

bool readGroup(DataReader& reader, List<PakGroup*>& groups)
{
    uint8_t record[PakArchive::kGroupRecordSize];
    if (reader.readRaw(record, sizeof record) != int32_t(sizeof record))
        return false;
    String name;
    if (!readName(reader, u32At(record, 0), name))
        return false;
    PakGroup* group = new PakGroup;
    group->setName(name);
    group->setHash(u64At(record, 4));
    group->setId(u32At(record, 12));
    group->setDateTime(dateTimeAt(record, 16));
    groups.append(group);

    int32_t itemCount = int32_t(u32At(record, 44));
    if (itemCount <= 0)
        return true;
    if (uint64_t(itemCount) * PakArchive::kItemRecordSize > reader.remaining())
        return false;
    for (int32_t i = 0; i < itemCount; ++i) {
        if (!readItem(reader, *group))
            return false;
    }
    return true;
}

void deleteGroups(List<PakGroup*>& groups)
{
    for (PakGroup* group : groups)
        delete group;
    groups.clear();
}

String withTrailingSeparator(const String& path)
{
    String result(path);
    if (result.isEmpty() || result.at(result.length() - 1) != kPathSeparator)
        result.appendChar(kPathSeparator);
    return result;
}

// The stamp of a packed folder: the files' own newest time, in UTC so that
// the time zone of the machine that packs does not change the bytes.
DateTime newestWriteTime(const std::vector<String>& files)
{
    DateTime newest;
    for (const String& file : files) {
        const DateTime written = File::lastWriteTime(file, false);
        if (written.isValid() && (newest.isNull() || written.isAfter(newest)))
            newest = written;
    }
    return newest;
}

bool writeWholeFile(const String& path, const ByteArray& bytes)
{
    SafeFileOutputStream stream(path);
    if (!stream.isOpen())
        return false;
    if (!bytes.isEmpty() && stream.write(bytes.data(), uint32_t(bytes.size())) != bytes.size())
        return false;
    return stream.commit();
}

} // namespace

// ---- PakGroup ----

PakGroup::~PakGroup()
{
    for (PakItem* item : m_items)
        delete item;
}

void PakGroup::addItem(PakItem* item)
{
    if (item)
        m_items.append(item);
}

PakItem* PakGroup::findItem(const String& name) const
{
    for (PakItem* item : m_items) {
        if (item->name() == name)
            return item;
    }
    return nullptr;
}

PakItem* PakGroup::findItemByHash(uint64_t hash) const
{
    for (PakItem* item : m_items) {
        if (item->hash() == hash)
            return item;
    }
    return nullptr;
}

// ---- PakArchive ----

PakArchive::~PakArchive()
{
    clear();
}

void PakArchive::clear()
{
    deleteGroups(m_groups);
}

bool PakArchive::open(const String& path)
{
    m_path.clear();
    clear();
    if (path.isEmpty() || !File::exists(path))
        return false;
    ByteArray bytes;
    if (!bytes.loadFromFile(path) || !openMemory(bytes.data(), bytes.size()))
        return false;
    m_path = path;
    return true;
}

bool PakArchive::openMemory(const void* data, int32_t size)
{
    m_path.clear();
    if (!data || size < 1)
        return false;
    clear();
    MemoryStream stream(data, uint64_t(size), false);
    DataReader reader(&stream);
    return reader.attach() && read(reader);
}

bool PakArchive::read(DataReader& reader)
{
    clear();
    uint8_t header[kHeaderSize];
    if (reader.remaining() < uint64_t(kHeaderSize) || reader.readRaw(header, kHeaderSize) != kHeaderSize)
        return false;
    int32_t groupCount = int32_t(u32At(header, 12));
    int32_t totalItems = int32_t(u32At(header, 16));
    if (header[0] != 'F' || header[1] != 'A' || groupCount < 0 || totalItems < 0)
        return false;
    if (uint64_t(groupCount) * kGroupRecordSize > reader.remaining())
        return false;

    List<PakGroup*> groups;
    for (int32_t i = 0; i < groupCount; ++i) {
        if (!readGroup(reader, groups)) {
            deleteGroups(groups);
            return false;
        }
    }
    m_version = u32At(header, 4);
    m_reserved = u32At(header, 8);
    m_groups = std::move(groups);
    return true;
}

bool PakArchive::write(DataWriter& writer) const
{
    uint8_t header[kHeaderSize] = {'F', 'A', 0, 0};
    putU32(header, 4, m_version);
    putU32(header, 8, m_reserved);
    putU32(header, 12, uint32_t(groupCount()));
    putU32(header, 16, uint32_t(itemCount()));
    if (writer.writeRaw(header, kHeaderSize) != kHeaderSize)
        return false;
    for (PakGroup* group : m_groups) {
        if (group->name().length() > kMaxNameLength)
            return false;
        uint8_t record[kGroupRecordSize];
        putU32(record, 0, nameFieldSize(group->name()));
        putU64(record, 4, group->name().hash64());
        putU32(record, 12, group->id());
        putDateTime(record, 16, group->dateTime());
        putU32(record, 44, uint32_t(group->itemCount()));
        if (writer.writeRaw(record, kGroupRecordSize) != kGroupRecordSize ||
            !writeName(writer, group->name()))
            return false;
        for (PakItem* item : group->items()) {
            if (item->name().length() > kMaxNameLength)
                return false;
            uint8_t itemRecord[kItemRecordSize];
            putU32(itemRecord, 0, nameFieldSize(item->name()));
            putU64(itemRecord, 4, item->name().hash64());
            putU32(itemRecord, 12, item->type());
            putDateTime(itemRecord, 16, item->dateTime());
            putU32(itemRecord, 44, uint32_t(item->dataSize()));
            putU32(itemRecord, 48, 0);
            if (writer.writeRaw(itemRecord, kItemRecordSize) != kItemRecordSize ||
                !writeName(writer, item->name()))
                return false;
            if (writer.writeBytes(item->bytes()) != item->dataSize())
                return false;
        }
    }
    return true;
}

bool PakArchive::save(const String& path) const
{
    if (path.isEmpty())
        return false;
    SafeFileOutputStream stream(path);
    DataWriter writer(&stream);
    if (!writer.attach())
        return false;
    bool written = write(writer);
    writer.detach();
    return written && stream.commit();
}

PakGroup* PakArchive::findGroup(const String& name) const
{
    for (PakGroup* group : m_groups) {
        if (group->name() == name)
            return group;
    }
    return nullptr;
}

PakGroup* PakArchive::findGroupByHash(uint64_t hash) const
{
    for (PakGroup* group : m_groups) {
        if (group->hash() == hash)
            return group;
    }
    return nullptr;
}

PakItem* PakArchive::findItem(const String& groupName, const String& itemName) const
{
    PakGroup* group = findGroup(groupName);
    return group ? group->findItem(itemName) : nullptr;
}

PakItem* PakArchive::findItemByHash(uint64_t groupHash, uint64_t itemHash) const
{
    PakGroup* group = findGroupByHash(groupHash);
    return group ? group->findItemByHash(itemHash) : nullptr;
}

int PakArchive::itemCount() const
{
    int total = 0;
    for (PakGroup* group : m_groups)
        total += group->itemCount();
    return total;
}

bool PakArchive::hasItems() const
{
    for (PakGroup* group : m_groups) {
        if (group->itemCount() > 0)
            return true;
    }
    return false;
}

PakItem* PakArchive::addFile(const String& filePath, const String& groupName, const String& itemName)
{
    const DateTime stamp = m_addedDateTime.isNull() ? DateTime::now() : m_addedDateTime;
    return addStampedFile(filePath, groupName, itemName, stamp);
}

// Names longer than a name field holds are refused: they could not be read back.
PakItem* PakArchive::addStampedFile(const String& filePath, const String& groupName, const String& itemName,
                                    const DateTime& stamp)
{
    if (groupName.length() > kMaxNameLength || itemName.length() > kMaxNameLength || !File::exists(filePath))
        return nullptr;
    PakGroup* group = findGroup(groupName);
    if (group && group->findItem(itemName))
        return nullptr;
    ByteArray bytes;
    if (!bytes.loadFromFile(filePath))
        return nullptr;

    if (!group) {
        group = new PakGroup;
        group->setName(groupName);
        group->setHash(groupName.hash64());
        group->setDateTime(stamp);
        m_groups.append(group);
    }
    PakItem* item = new PakItem;
    item->setName(itemName);
    item->setHash(itemName.hash64());
    item->setDateTime(stamp);
    item->setData(bytes);
    group->addItem(item);
    return item;
}

void PakArchive::removeGroup(const String& name)
{
    for (List<PakGroup*>::Node* node = m_groups.first(); node; node = node->next) {
        if (node->value->name() == name) {
            delete node->value;
            m_groups.erase(node);
            return;
        }
    }
}

// Files are added in sorted order so that packing the same folder twice gives
// the same archive layout whatever order the system lists them in.
bool PakArchive::packFolder(const String& folder, const String& archivePath, int* count)
{
    if (!Directory::exists(folder) || archivePath.isEmpty())
        return false;
    StringList listed;
    if (!Directory::list(folder, Directory::kListFiles | Directory::kListRecursive, nullptr, listed))
        return false;
    std::vector<String> files;
    for (const String& file : listed) {
        if (!(file == archivePath))
            files.push_back(file);
    }
    std::sort(files.begin(), files.end(),
              [](const String& a, const String& b) { return String::compare(a.data(), b.data()) < 0; });

    m_path.clear();
    clear();
    m_version = 1;
    m_reserved = 0;
    const DateTime stamp = m_addedDateTime.isNull() ? newestWriteTime(files) : m_addedDateTime;
    int prefixLength = withTrailingSeparator(folder).length();
    for (const String& file : files) {
        String relative = file.midFrom(prefixLength);
        int separator = relative.lastIndexOfChar(kPathSeparator, String::kCaseSensitive);
        String groupName = separator < 0 ? String(kRootGroupName)
                                         : relative.mid(0, separator).replaceChar(kPathSeparator, u'/', 1);
        if (!addStampedFile(file, groupName, relative.midFrom(separator + 1), stamp)) {
            clear();
            return false;
        }
    }
    if (!save(archivePath))
        return false;
    if (count)
        *count = itemCount();
    return true;
}

bool PakArchive::isSafeGroupName(const String& name)
{
    if (name.isEmpty() || name == String(kRootGroupName))
        return true;
    int start = 0;
    for (int i = 0; i <= name.length(); ++i) {
        bool atEnd = i == name.length();
        if (!atEnd && name.at(i) != u'/' && name.at(i) != u'\\')
            continue;
        if (!isUsableFileName(name.mid(start, i - start)))
            return false;
        start = i + 1;
    }
    return true;
}

bool PakArchive::isSafeItemName(const String& name)
{
    return isUsableFileName(name);
}

bool PakArchive::unpackToFolder(const String& archivePath, const String& folder, int* count)
{
    if (!File::exists(archivePath) || folder.isEmpty() || !open(archivePath))
        return false;
    for (PakGroup* group : m_groups) {
        if (!isSafeGroupName(group->name()))
            return false;
        for (PakItem* item : group->items()) {
            if (!isSafeItemName(item->name()))
                return false;
        }
    }
    if (!Directory::exists(folder) && !Directory::create(folder))
        return false;

    String base = withTrailingSeparator(folder);
    int written = 0;
    for (PakGroup* group : m_groups) {
        String target(base);
        if (!group->name().isEmpty() && !(group->name() == String(kRootGroupName)))
            target = withTrailingSeparator(base + group->name().replaceChar(u'/', kPathSeparator, 1));
        if (!Directory::create(target))
            return false;
        for (PakItem* item : group->items()) {
            if (!writeWholeFile(target + item->name(), item->bytes()))
                return false;
            ++written;
        }
    }
    if (count)
        *count = written;
    return true;
}
