#pragma once

#include "foundation/containers/List.h"
#include "foundation/text/ByteArray.h"
#include "foundation/text/String.h"
#include "foundation/time/DateTime.h"

#include <cstdint>

class DataReader;
class DataWriter;

// One named block of bytes in an archive group.
class PakItem
{
public:
    PakItem() = default;
    virtual ~PakItem() = default;
    PakItem(const PakItem&) = delete;
    PakItem& operator=(const PakItem&) = delete;

    const String& name() const { return m_name; }
    void setName(const String& name) { m_name = name; }
    uint64_t hash() const { return m_hash; }
    void setHash(uint64_t hash) { m_hash = hash; }
    uint32_t type() const { return m_type; }
    void setType(uint32_t type) { m_type = type; }
    const uint8_t* data() const { return m_data.data(); }
    int dataSize() const { return m_data.size(); }
    const ByteArray& bytes() const { return m_data; }
    void setData(const void* data, int size) { m_data.assignChars(data, size); }
    void setData(const ByteArray& data) { m_data = data; }
    const DateTime& dateTime() const { return m_dateTime; }
    void setDateTime(const DateTime& dateTime) { m_dateTime = dateTime; }

private:
    String m_name;
    uint64_t m_hash = 0;
    uint32_t m_type = 0;
    ByteArray m_data;
    DateTime m_dateTime;
};

// A named group of items, such as "images" or "templates/default".
class PakGroup
{
public:
    PakGroup() = default;
    virtual ~PakGroup();
    PakGroup(const PakGroup&) = delete;
    PakGroup& operator=(const PakGroup&) = delete;

    const String& name() const { return m_name; }
    void setName(const String& name) { m_name = name; }
    uint64_t hash() const { return m_hash; }
    void setHash(uint64_t hash) { m_hash = hash; }
    uint32_t id() const { return m_id; }
    void setId(uint32_t id) { m_id = id; }
    const DateTime& dateTime() const { return m_dateTime; }
    void setDateTime(const DateTime& dateTime) { m_dateTime = dateTime; }

    const List<PakItem*>& items() const { return m_items; }
    int itemCount() const { return m_items.count(); }
    // Takes ownership of item.
    void addItem(PakItem* item);
    PakItem* findItem(const String& name) const;
    PakItem* findItemByHash(uint64_t hash) const;

private:
    String m_name;
    uint64_t m_hash = 0;
    uint32_t m_id = 0;
    DateTime m_dateTime;
    List<PakItem*> m_items;
};

// The data archive: groups of named items, parsed whole into memory. Names
// are compared exactly and are at most kMaxNameLength UTF-16 units long.
// A damaged archive fails to open and leaves the archive empty; saving
// replaces the file only when every byte was written.
class PakArchive
{
public:
    static const int kMaxNameLength = 255;
    static const int kHeaderSize = 20;
    static const int kGroupRecordSize = 48;
    static const int kItemRecordSize = 52;

    PakArchive() = default;
    virtual ~PakArchive();
    PakArchive(const PakArchive&) = delete;
    PakArchive& operator=(const PakArchive&) = delete;

    const String& path() const { return m_path; }
    uint32_t version() const { return m_version; }
    uint32_t reserved() const { return m_reserved; }
    const List<PakGroup*>& groups() const { return m_groups; }

    bool open(const String& path);
    bool openMemory(const void* data, int32_t size);
    bool read(DataReader& reader);
    bool write(DataWriter& writer) const;
    bool save(const String& path) const;

    PakGroup* findGroup(const String& name) const;
    PakGroup* findGroupByHash(uint64_t hash) const;
    PakItem* findItem(const String& groupName, const String& itemName) const;
    PakItem* findItemByHash(uint64_t groupHash, uint64_t itemHash) const;

    int groupCount() const { return m_groups.count(); }
    int itemCount() const;
    bool hasItems() const;
    bool isEmpty() const { return m_groups.isEmpty(); }

    // Stamps a new group and the item with the time setAddedDateTime gave,
    // or with the current time while none was given.
    PakItem* addFile(const String& filePath, const String& groupName, const String& itemName);
    // The time files added from now on are stamped with; the null DateTime
    // stamps the current time, and makes packFolder take the newest file's.
    void setAddedDateTime(const DateTime& stamp) { m_addedDateTime = stamp; }
    void removeGroup(const String& name);
    void clear();

    // Packs every file below folder, each in the group of its folder relative
    // to it ("/" for the folder itself), and saves the archive at archivePath.
    // Every stamp is the time setAddedDateTime gave, or else the newest
    // last-write time (UTC) of the files packed: the same files give the
    // same bytes.
    bool packFolder(const String& folder, const String& archivePath, int* count = nullptr);
    // Writes every item of the archive at archivePath as a file below folder.
    // Refuses an archive that does not parse and names that would reach
    // outside the folder, before anything is written.
    bool unpackToFolder(const String& archivePath, const String& folder, int* count = nullptr);

    // Whether a group name or an item name stays inside the target folder
    // when unpacked and names no device there (each segment of a group).
    static bool isSafeGroupName(const String& name);
    static bool isSafeItemName(const String& name);

private:
    bool parse(DataReader& reader, List<PakGroup*>& groups);
    PakItem* addStampedFile(const String& filePath, const String& groupName, const String& itemName,
                            const DateTime& stamp);
    void takeGroups(List<PakGroup*>& groups);

    String m_path;
    uint32_t m_version = 1;
    uint32_t m_reserved = 0;
    List<PakGroup*> m_groups;
    DateTime m_addedDateTime;
};
