#include "foundation/data/Variant.h"

#include "foundation/data/Object.h"
#include "foundation/text/NumberCast.h"

#include <new>
#include <utility>

namespace {

template <typename T> class ValueHolder : public Object
{
public:
    explicit ValueHolder(const T& value) : value(value) {}
    T value;
};

class StringValueHolder : public Object
{
public:
    explicit StringValueHolder(const String& value) : value(value) {}
    String value;
};

// The holder that each kind uses: bool one byte, the 32-bit integers one
// word, the 64-bit integers one quad, float, double and String their own.
template <typename T> T& heldValue(Object* holder)
{
    return static_cast<ValueHolder<T>*>(holder)->value;
}

String& heldString(Object* holder)
{
    return static_cast<StringValueHolder*>(holder)->value;
}

String textToLowerTrimmed(const String& text)
{
    return text.trim().toLower();
}

const int kTextDecimals = 9;

} // namespace

Variant::Variant(bool value)
{
    setBool(value);
}

Variant::Variant(int32_t value)
{
    setInt(value);
}

Variant::Variant(uint32_t value)
{
    setUInt(value);
}

Variant::Variant(int64_t value)
{
    setInt64(value);
}

Variant::Variant(uint64_t value)
{
    setUInt64(value);
}

Variant::Variant(float value)
{
    setFloat(value);
}

Variant::Variant(double value)
{
    setDouble(value);
}

Variant::Variant(const String& value)
{
    setString(value);
}

Variant::Variant(const char16_t* value)
{
    setString(String(value));
}

Variant::Variant(const Variant& other)
{
    if (other.isValid())
        copyValueFrom(other);
}

Variant::Variant(Variant&& other) noexcept
    : m_type(std::exchange(other.m_type, kEmpty)), m_value(std::exchange(other.m_value, nullptr))
{
}

Variant::~Variant()
{
    delete m_value;
}

Variant& Variant::assign(const Variant& other)
{
    if (this == &other || !other.isValid())
        return *this;
    copyValueFrom(other);
    return *this;
}

void Variant::clear()
{
    delete m_value;
    m_value = nullptr;
}

void Variant::copyValueFrom(const Variant& other)
{
    switch (other.m_type) {
    case kBool:
        storeByte(kBool, heldValue<uint8_t>(other.m_value));
        break;
    case kInt:
    case kUInt:
        storeWord(other.m_type, heldValue<uint32_t>(other.m_value));
        break;
    case kInt64:
    case kUInt64:
        storeQuad(other.m_type, heldValue<uint64_t>(other.m_value));
        break;
    case kFloat:
        storeFloatValue(heldValue<float>(other.m_value));
        break;
    case kDouble:
        storeDoubleValue(heldValue<double>(other.m_value));
        break;
    case kString:
        storeStringValue(heldString(other.m_value));
        break;
    default:
        break;
    }
}

void Variant::setBool(bool value)
{
    storeByte(kBool, value ? 1 : 0);
}

void Variant::setInt(int32_t value)
{
    storeWord(kInt, static_cast<uint32_t>(value));
}

void Variant::setUInt(uint32_t value)
{
    storeWord(kUInt, value);
}

void Variant::setInt64(int64_t value)
{
    storeQuad(kInt64, static_cast<uint64_t>(value));
}

void Variant::setUInt64(uint64_t value)
{
    storeQuad(kUInt64, value);
}

void Variant::setFloat(float value)
{
    storeFloatValue(value);
}

void Variant::setDouble(double value)
{
    storeDoubleValue(value);
}

void Variant::setString(const String& value)
{
    storeStringValue(value);
}

template <typename T> void Variant::store(uint32_t type, const T& value)
{
    if (m_type != type) {
        clear();
        m_type = type;
    }
    if (m_value != nullptr) {
        heldValue<T>(m_value) = value;
        return;
    }
    // Without memory the Variant keeps the new kind but holds no value.
    m_value = new (std::nothrow) ValueHolder<T>(value);
}

void Variant::storeByte(uint32_t type, uint8_t value)
{
    store<uint8_t>(type, value);
}

void Variant::storeWord(uint32_t type, uint32_t value)
{
    store<uint32_t>(type, value);
}

void Variant::storeQuad(uint32_t type, uint64_t value)
{
    store<uint64_t>(type, value);
}

void Variant::storeFloatValue(float value)
{
    store<float>(kFloat, value);
}

void Variant::storeDoubleValue(double value)
{
    store<double>(kDouble, value);
}

void Variant::storeStringValue(const String& value)
{
    if (m_type != kString) {
        clear();
        m_type = kString;
    }
    if (m_value != nullptr) {
        heldString(m_value) = value;
        return;
    }
    m_value = new (std::nothrow) StringValueHolder(value);
}

bool Variant::toBool() const
{
    if (!isValid())
        return false;
    switch (m_type) {
    case kBool:
        return heldValue<uint8_t>(m_value) != 0;
    case kInt:
    case kUInt:
        return heldValue<uint32_t>(m_value) != 0;
    case kInt64:
    case kUInt64:
        return heldValue<uint64_t>(m_value) != 0;
    case kFloat:
        return heldValue<float>(m_value) != 0.0f;
    case kDouble:
        return heldValue<double>(m_value) != 0.0;
    case kString: {
        String text = textToLowerTrimmed(heldString(m_value));
        return !(text.isEmpty() || String::equalsCString(text, u"false") ||
                 String::equalsCString(text, u"0"));
    }
    default:
        return false;
    }
}

int32_t Variant::toInt() const
{
    if (m_type == kString && isValid())
        return heldString(m_value).toInt();
    return static_cast<int32_t>(toUInt());
}

uint32_t Variant::toUInt() const
{
    if (!isValid())
        return 0;
    switch (m_type) {
    case kFloat:
        return truncateToUInt32(heldValue<float>(m_value));
    case kDouble:
        return truncateToUInt32(heldValue<double>(m_value));
    case kString:
        return heldString(m_value).toUInt();
    default:
        // The low 32 bits of the integer kinds.
        return static_cast<uint32_t>(toUInt64());
    }
}

int64_t Variant::toInt64() const
{
    if (!isValid())
        return 0;
    switch (m_type) {
    case kFloat:
        return truncateToInt64(heldValue<float>(m_value));
    case kDouble:
        return truncateToInt64(heldValue<double>(m_value));
    case kString:
        return heldString(m_value).toInt64();
    default:
        return static_cast<int64_t>(toUInt64());
    }
}

uint64_t Variant::toUInt64() const
{
    if (!isValid())
        return 0;
    switch (m_type) {
    case kBool:
        return heldValue<uint8_t>(m_value);
    case kInt:
        return static_cast<uint64_t>(
            static_cast<int64_t>(static_cast<int32_t>(heldValue<uint32_t>(m_value))));
    case kUInt:
        return heldValue<uint32_t>(m_value);
    case kInt64:
    case kUInt64:
        return heldValue<uint64_t>(m_value);
    case kFloat:
        return truncateToUInt64(heldValue<float>(m_value));
    case kDouble:
        return truncateToUInt64(heldValue<double>(m_value));
    case kString:
        return heldString(m_value).toUInt64();
    default:
        return 0;
    }
}

float Variant::toFloat() const
{
    if (!isValid())
        return 0.0f;
    switch (m_type) {
    case kFloat:
        return heldValue<float>(m_value);
    case kString:
        return heldString(m_value).toFloat();
    default:
        return narrowToFloat(toDouble());
    }
}

double Variant::toDouble() const
{
    if (!isValid())
        return 0.0;
    switch (m_type) {
    case kBool:
        return heldValue<uint8_t>(m_value);
    case kInt:
        return static_cast<int32_t>(heldValue<uint32_t>(m_value));
    case kUInt:
        return heldValue<uint32_t>(m_value);
    case kInt64:
        return static_cast<double>(static_cast<int64_t>(heldValue<uint64_t>(m_value)));
    case kUInt64:
        return static_cast<double>(heldValue<uint64_t>(m_value));
    case kFloat:
        return heldValue<float>(m_value);
    case kDouble:
        return heldValue<double>(m_value);
    case kString:
        return heldString(m_value).toDouble();
    default:
        return 0.0;
    }
}

String Variant::toString() const
{
    if (!isValid())
        return String();
    switch (m_type) {
    case kBool:
        return String::fromBool(heldValue<uint8_t>(m_value) != 0, true);
    case kInt:
        return String::fromInt(static_cast<int32_t>(heldValue<uint32_t>(m_value)));
    case kUInt:
        return String::fromUInt(heldValue<uint32_t>(m_value));
    case kInt64:
        return String::fromInt64(static_cast<int64_t>(heldValue<uint64_t>(m_value)));
    case kUInt64:
        return String::fromUInt64(heldValue<uint64_t>(m_value));
    case kFloat:
        return String::fromFloat(heldValue<float>(m_value), kTextDecimals);
    case kDouble:
        return String::fromDouble(heldValue<double>(m_value), kTextDecimals);
    case kString:
        return heldString(m_value);
    default:
        return String();
    }
}

bool Variant::equals(const Variant& a, const Variant& b)
{
    if (&a == &b)
        return true;
    if (a.m_type != b.m_type)
        return false;
    if (a.m_value == nullptr || b.m_value == nullptr)
        return a.m_value == nullptr && b.m_value == nullptr;
    switch (a.m_type) {
    case kBool:
        return heldValue<uint8_t>(a.m_value) == heldValue<uint8_t>(b.m_value);
    case kInt:
    case kUInt:
        return heldValue<uint32_t>(a.m_value) == heldValue<uint32_t>(b.m_value);
    case kInt64:
    case kUInt64:
        return heldValue<uint64_t>(a.m_value) == heldValue<uint64_t>(b.m_value);
    case kFloat:
        return heldValue<float>(a.m_value) == heldValue<float>(b.m_value);
    case kDouble:
        return heldValue<double>(a.m_value) == heldValue<double>(b.m_value);
    case kString:
        return String::equals(heldString(a.m_value), heldString(b.m_value));
    default:
        return false;
    }
}
