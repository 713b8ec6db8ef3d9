#pragma once

#include "foundation/containers/List.h"
#include "foundation/text/String.h"

#include <cstdint>

class ByteArray;
class DataReader;
class DataWriter;

// A four-character tag as the 32-bit word a DataTree keeps it in: the first
// character in the lowest byte, as in the file.
constexpr uint32_t dataTreeTag(const char (&text)[5])
{
    return uint32_t(uint8_t(text[0])) | (uint32_t(uint8_t(text[1])) << 8) |
           (uint32_t(uint8_t(text[2])) << 16) | (uint32_t(uint8_t(text[3])) << 24);
}

// A leaf of a DataTree: a tag and an untyped block of bytes. The typed
// setters fix how many bytes a kind takes; the getters never read past the
// block and give 0 for bytes it lacks.
class DataTreeValue
{
public:
    DataTreeValue();
    explicit DataTreeValue(const char* tag);
    virtual ~DataTreeValue();
    DataTreeValue(const DataTreeValue&) = delete;
    DataTreeValue& operator=(const DataTreeValue&) = delete;

    const char* tag() const { return m_tag; }
    void setTag(const char* tag);
    String tagString() const;

    const uint8_t* data() const { return m_data; }
    uint32_t dataSize() const { return m_size; }
    bool isEmpty() const { return m_size == 0; }
    // The bytes it takes in the file: tag, size word and data.
    uint32_t size() const { return m_size + 8; }
    void clearData();

    void setBytes(const void* bytes, uint32_t size);
    void setBool(bool value);
    void setByte(uint8_t value);
    void setInt(int32_t value);
    void setUInt(uint32_t value);
    void setInt64(int64_t value);
    void setFloat(float value);
    void setDouble(double value);
    // UTF-8 without terminator; an empty text leaves an empty value.
    void setString(const String& text);

    // Copies up to count bytes; returns how many it copied.
    uint32_t copyBytes(void* buffer, uint32_t count) const;
    ByteArray toByteArray() const;
    bool toBool() const;
    uint8_t toByte() const;
    int32_t toInt() const;
    uint32_t toUInt() const;
    int64_t toInt64() const;
    float toFloat() const;
    double toDouble() const;
    String toString() const;

    bool write(DataWriter& writer) const;
    bool read(DataReader& reader);

private:
    uint64_t littleEndian(uint32_t width) const;

    char m_tag[5];
    uint8_t* m_data = nullptr;
    uint32_t m_size = 0;
};

// A node of a DataTree: a tag, child nodes and values, both owned and kept in
// insertion order. In the file all children come before all values.
class DataTreeNode
{
public:
    DataTreeNode();
    explicit DataTreeNode(const char* tag);
    virtual ~DataTreeNode();
    DataTreeNode(const DataTreeNode&) = delete;
    DataTreeNode& operator=(const DataTreeNode&) = delete;

    const char* tag() const { return m_tag; }
    void setTag(const char* tag);
    String tagString() const;

    const List<DataTreeValue*>& values() const { return m_values; }
    const List<DataTreeNode*>& children() const { return m_children; }
    bool hasValues() const { return !m_values.isEmpty(); }
    bool hasChildren() const { return !m_children.isEmpty(); }

    DataTreeValue* addValue(const char* tag);
    DataTreeNode* addChild(const char* tag);
    // Takes ownership of node.
    void adoptChild(DataTreeNode* node);

    // The index-th child or value (0 = first) with exactly this tag, or null.
    DataTreeNode* findChild(const char* tag, int index = 0) const;
    DataTreeValue* findValue(const char* tag, int index = 0) const;

    void deleteChildren();
    void deleteValues();
    void clearAll();

    uint32_t payloadSize() const;
    uint32_t size() const { return payloadSize() + 12; }

    bool write(DataWriter& writer) const;
    // Reads this node and its subtree. False for a short read, a count or
    // size the rest of the input cannot hold, or nesting deeper than
    // DataTree::kMaxDepth; the node is then left empty.
    bool read(DataReader& reader, int depth = 0);

private:
    bool readChildren(DataReader& reader, int depth);
    bool readValues(DataReader& reader);

    char m_tag[5];
    List<DataTreeValue*> m_values;
    List<DataTreeNode*> m_children;
};

// The binary chunk document: a four-byte file tag and a tree of nodes under
// the root "ROOT". Loading reads the whole input and accepts it only when it
// is exactly one well-formed tree; saving replaces the file only when every
// byte was written.
class DataTree
{
public:
    // Nodes nest no deeper than this below the root; deeper input is damaged.
    static const int kMaxDepth = 64;

    DataTree();
    virtual ~DataTree();
    DataTree(const DataTree&) = delete;
    DataTree& operator=(const DataTree&) = delete;

    void setFileTag(uint32_t tag) { m_fileTag = tag; }
    uint32_t fileTag() const { return m_fileTag; }
    const String& fileName() const { return m_fileName; }
    bool isLoaded() const { return m_loaded; }
    DataTreeNode* root() const { return m_root; }

    void clear();
    uint32_t byteSize() const { return m_root->size() + 4; }

    bool load(const String& path);
    bool loadFromMemory(const void* data, uint64_t size);
    bool save(const String& path) const;

    bool readFrom(DataReader& reader);
    bool writeTo(DataWriter& writer) const;

private:
    bool loadBytes(const void* data, uint64_t size);

    String m_fileName;
    uint32_t m_fileTag = 0;
    DataTreeNode* m_root;
    bool m_loaded = false;
};
