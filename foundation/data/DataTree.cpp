#include "foundation/data/DataTree.h"

#include "foundation/io/DataReader.h"
#include "foundation/io/DataWriter.h"
#include "foundation/io/File.h"
#include "foundation/io/LittleEndian.h"
#include "foundation/io/MemoryStream.h"
#include "foundation/io/SafeFileOutputStream.h"
#include "foundation/text/ByteArray.h"

#include <cstring>

namespace {

// The least a child node (tag and two counts) and a value (tag and size)
// take in the file; a count the rest of the input cannot hold is damage.
const uint64_t kMinNodeBytes = 12;
const uint64_t kMinValueBytes = 8;

void copyTag(char* target, const char* tag)
{
    std::memset(target, 0, 5);
    if (!tag)
        return;
    for (int i = 0; i < 4 && tag[i]; ++i)
        target[i] = tag[i];
}

String tagToString(const char* tag)
{
    char16_t units[5] = {0};
    for (int i = 0; i < 4; ++i)
        units[i] = char16_t(uint8_t(tag[i]));
    return String(units);
}

bool readCount(DataReader& reader, uint64_t minBytesEach, uint32_t& count)
{
    if (reader.remaining() < 4)
        return false;
    count = reader.readUInt32();
    return uint64_t(count) * minBytesEach <= reader.remaining();
}

} // namespace

// ---- DataTreeValue ----

DataTreeValue::DataTreeValue()
{
    copyTag(m_tag, nullptr);
}

DataTreeValue::DataTreeValue(const char* tag)
{
    copyTag(m_tag, tag);
}

DataTreeValue::~DataTreeValue()
{
    clearData();
}

void DataTreeValue::setTag(const char* tag)
{
    copyTag(m_tag, tag);
}

String DataTreeValue::tagString() const
{
    return tagToString(m_tag);
}

void DataTreeValue::clearData()
{
    delete[] m_data;
    m_data = nullptr;
    m_size = 0;
}

void DataTreeValue::setBytes(const void* bytes, uint32_t size)
{
    clearData();
    if (!bytes || size == 0)
        return;
    m_data = new uint8_t[size];
    std::memcpy(m_data, bytes, size);
    m_size = size;
}

void DataTreeValue::setBool(bool value)
{
    setByte(value ? 1 : 0);
}

void DataTreeValue::setByte(uint8_t value)
{
    setBytes(&value, 1);
}

void DataTreeValue::setInt(int32_t value)
{
    setUInt(uint32_t(value));
}

void DataTreeValue::setUInt(uint32_t value)
{
    uint8_t bytes[4];
    for (int i = 0; i < 4; ++i)
        bytes[i] = uint8_t(value >> (8 * i));
    setBytes(bytes, sizeof bytes);
}

void DataTreeValue::setInt64(int64_t value)
{
    uint8_t bytes[8];
    for (int i = 0; i < 8; ++i)
        bytes[i] = uint8_t(uint64_t(value) >> (8 * i));
    setBytes(bytes, sizeof bytes);
}

void DataTreeValue::setFloat(float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    setUInt(bits);
}

void DataTreeValue::setDouble(double value)
{
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    setInt64(int64_t(bits));
}

// An empty text clears the value, so no stale bytes survive it.
void DataTreeValue::setString(const String& text)
{
    ByteArray utf8 = text.toUtf8();
    setBytes(utf8.data(), uint32_t(utf8.size()));
}

uint32_t DataTreeValue::copyBytes(void* buffer, uint32_t count) const
{
    uint32_t copied = count < m_size ? count : m_size;
    if (copied > 0)
        std::memcpy(buffer, m_data, copied);
    return copied;
}

ByteArray DataTreeValue::toByteArray() const
{
    if (m_size == 0 || m_size > uint32_t(INT32_MAX))
        return ByteArray();
    return ByteArray(m_data, int(m_size));
}

uint64_t DataTreeValue::littleEndian(uint32_t width) const
{
    uint32_t available = width < m_size ? width : m_size;
    uint64_t value = 0;
    for (uint32_t i = 0; i < available; ++i)
        value |= uint64_t(m_data[i]) << (8 * i);
    return value;
}

bool DataTreeValue::toBool() const
{
    return toByte() != 0;
}

uint8_t DataTreeValue::toByte() const
{
    return uint8_t(littleEndian(1));
}

int32_t DataTreeValue::toInt() const
{
    return int32_t(uint32_t(littleEndian(4)));
}

uint32_t DataTreeValue::toUInt() const
{
    return uint32_t(littleEndian(4));
}

int64_t DataTreeValue::toInt64() const
{
    return int64_t(littleEndian(8));
}

float DataTreeValue::toFloat() const
{
    uint32_t bits = uint32_t(littleEndian(4));
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

double DataTreeValue::toDouble() const
{
    uint64_t bits = littleEndian(8);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

String DataTreeValue::toString() const
{
    if (m_size == 0 || m_size > uint32_t(INT32_MAX))
        return String();
    return String::fromUtf8(reinterpret_cast<const char*>(m_data), int(m_size));
}

bool DataTreeValue::write(DataWriter& writer) const
{
    if (writer.writeRaw(m_tag, 4) != 4 || writer.writeUInt32(m_size) != 4)
        return false;
    return m_size == 0 || writer.writeRaw(m_data, m_size) == int32_t(m_size);
}

bool DataTreeValue::read(DataReader& reader)
{
    clearData();
    if (reader.remaining() < kMinValueBytes || reader.readRaw(m_tag, 4) != 4)
        return false;
    uint32_t size = reader.readUInt32();
    if (size == 0)
        return true;
    if (size > reader.remaining() || size > uint32_t(INT32_MAX))
        return false;
    uint8_t* data = new uint8_t[size];
    if (reader.readRaw(data, size) != int32_t(size)) {
        delete[] data;
        return false;
    }
    m_data = data;
    m_size = size;
    return true;
}

// ---- DataTreeNode ----

DataTreeNode::DataTreeNode()
{
    copyTag(m_tag, nullptr);
}

DataTreeNode::DataTreeNode(const char* tag)
{
    copyTag(m_tag, tag);
}

DataTreeNode::~DataTreeNode()
{
    clearAll();
}

void DataTreeNode::setTag(const char* tag)
{
    copyTag(m_tag, tag);
}

String DataTreeNode::tagString() const
{
    return tagToString(m_tag);
}

DataTreeValue* DataTreeNode::addValue(const char* tag)
{
    DataTreeValue* value = new DataTreeValue(tag);
    m_values.append(value);
    return value;
}

DataTreeNode* DataTreeNode::addChild(const char* tag)
{
    DataTreeNode* child = new DataTreeNode(tag);
    m_children.append(child);
    return child;
}

void DataTreeNode::adoptChild(DataTreeNode* node)
{
    if (node && node != this)
        m_children.append(node);
}

DataTreeNode* DataTreeNode::findChild(const char* tag, int index) const
{
    for (DataTreeNode* child : m_children) {
        if (std::strcmp(child->tag(), tag) == 0 && index-- == 0)
            return child;
    }
    return nullptr;
}

DataTreeValue* DataTreeNode::findValue(const char* tag, int index) const
{
    for (DataTreeValue* value : m_values) {
        if (std::strcmp(value->tag(), tag) == 0 && index-- == 0)
            return value;
    }
    return nullptr;
}

void DataTreeNode::deleteChildren()
{
    for (DataTreeNode* child : m_children)
        delete child;
    m_children.clear();
}

void DataTreeNode::deleteValues()
{
    for (DataTreeValue* value : m_values)
        delete value;
    m_values.clear();
}

void DataTreeNode::clearAll()
{
    deleteChildren();
    deleteValues();
}

uint32_t DataTreeNode::payloadSize() const
{
    uint32_t total = 0;
    for (DataTreeNode* child : m_children)
        total += child->size();
    for (DataTreeValue* value : m_values)
        total += value->size();
    return total;
}

bool DataTreeNode::write(DataWriter& writer) const
{
    if (writer.writeRaw(m_tag, 4) != 4 || writer.writeUInt32(uint32_t(m_children.count())) != 4)
        return false;
    for (DataTreeNode* child : m_children) {
        if (!child->write(writer))
            return false;
    }
    if (writer.writeUInt32(uint32_t(m_values.count())) != 4)
        return false;
    for (DataTreeValue* value : m_values) {
        if (!value->write(writer))
            return false;
    }
    return true;
}

bool DataTreeNode::read(DataReader& reader, int depth)
{
    clearAll();
    bool ok = depth <= DataTree::kMaxDepth && reader.readRaw(m_tag, 4) == 4 && readChildren(reader, depth) &&
              readValues(reader);
    if (!ok)
        clearAll();
    return ok;
}

bool DataTreeNode::readChildren(DataReader& reader, int depth)
{
    uint32_t count = 0;
    if (!readCount(reader, kMinNodeBytes, count))
        return false;
    for (uint32_t i = 0; i < count; ++i) {
        if (!addChild(nullptr)->read(reader, depth + 1))
            return false;
    }
    return true;
}

bool DataTreeNode::readValues(DataReader& reader)
{
    uint32_t count = 0;
    if (!readCount(reader, kMinValueBytes, count))
        return false;
    for (uint32_t i = 0; i < count; ++i) {
        if (!addValue(nullptr)->read(reader))
            return false;
    }
    return true;
}

// ---- DataTree ----

DataTree::DataTree() : m_root(new DataTreeNode("ROOT")) {}

DataTree::~DataTree()
{
    delete m_root;
}

void DataTree::clear()
{
    if (!m_loaded)
        return;
    m_root->clearAll();
    m_fileName.clear();
    m_loaded = false;
}

bool DataTree::load(const String& path)
{
    clear();
    if (m_fileTag == 0 || !File::exists(path))
        return false;
    ByteArray bytes;
    if (!bytes.loadFromFile(path) || !loadBytes(bytes.data(), uint64_t(bytes.size())))
        return false;
    m_fileName = path;
    return true;
}

bool DataTree::loadFromMemory(const void* data, uint64_t size)
{
    clear();
    if (m_fileTag == 0 || !data)
        return false;
    return loadBytes(data, size);
}

bool DataTree::loadBytes(const void* data, uint64_t size)
{
    MemoryStream stream(data, size, false);
    DataReader reader(&stream);
    m_loaded = reader.attach() && readFrom(reader);
    return m_loaded;
}

bool DataTree::readFrom(DataReader& reader)
{
    m_root->clearAll();
    uint8_t tag[4];
    if (reader.readRaw(tag, 4) != 4)
        return false;
    uint32_t fileTag = fromLittleEndian<uint32_t>(tag);
    if (fileTag != m_fileTag)
        return false;
    if (m_root->read(reader) && reader.remaining() == 0)
        return true;
    m_root->clearAll();
    m_root->setTag("ROOT");
    return false;
}

bool DataTree::writeTo(DataWriter& writer) const
{
    uint8_t tag[4] = {uint8_t(m_fileTag), uint8_t(m_fileTag >> 8), uint8_t(m_fileTag >> 16),
                      uint8_t(m_fileTag >> 24)};
    return writer.writeRaw(tag, 4) == 4 && m_root->write(writer);
}

bool DataTree::save(const String& path) const
{
    if (path.isEmpty())
        return false;
    SafeFileOutputStream stream(path);
    DataWriter writer(&stream);
    if (!writer.attach())
        return false;
    bool written = writeTo(writer);
    writer.detach();
    return written && stream.commit();
}
