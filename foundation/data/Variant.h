#pragma once

#include "foundation/text/String.h"

#include <cstdint>

class Object;

// A typed value of the configuration layer. It holds one value of eight
// kinds on the heap and converts it to any other kind on request; its text
// form is what configuration files store.
//
// Assigning a Variant that holds no value changes nothing (the target keeps
// its kind and value), and clear() drops the value but keeps the kind.
class Variant
{
public:
    static constexpr uint32_t kEmpty = 0;
    static constexpr uint32_t kBool = 1;
    static constexpr uint32_t kInt = 2;
    static constexpr uint32_t kUInt = 3;
    static constexpr uint32_t kInt64 = 4;
    static constexpr uint32_t kUInt64 = 5;
    static constexpr uint32_t kFloat = 6;
    static constexpr uint32_t kDouble = 7;
    static constexpr uint32_t kString = 8;

    Variant() = default;
    explicit Variant(bool value);
    explicit Variant(int32_t value);
    explicit Variant(uint32_t value);
    explicit Variant(int64_t value);
    explicit Variant(uint64_t value);
    explicit Variant(float value);
    explicit Variant(double value);
    explicit Variant(const String& value);
    explicit Variant(const char16_t* value);
    // A copy without a value is empty (kind 0).
    // The constructors under the names the windows call them by.
    static Variant VariantBool(bool value) { return Variant(value); }
    static Variant VariantInt(int32_t value) { return Variant(value); }
    static Variant VariantUInt(uint32_t value) { return Variant(value); }
    static Variant VariantFloat(float value) { return Variant(value); }
    static Variant VariantString(const String& value) { return Variant(value); }

    Variant(const Variant& other);
    Variant(Variant&& other) noexcept;
    ~Variant();

    Variant& operator=(const Variant& other) { return assign(other); }
    Variant& assign(const Variant& other);
    void clear();

    uint32_t type() const { return m_type; }
    bool hasType(uint32_t type) const { return m_type == type; }
    bool isValid() const { return m_type != kEmpty && m_value != nullptr; }

    void setBool(bool value);
    void setInt(int32_t value);
    void setUInt(uint32_t value);
    void setInt64(int64_t value);
    void setUInt64(uint64_t value);
    void setFloat(float value);
    void setDouble(double value);
    void setString(const String& value);

    // An invalid Variant gives false, 0, 0.0 or the empty String. Text reads
    // as the String conversions read it; floating point converts to integers
    // by truncation, NaN and values out of range giving 0x8000000000000000
    // (of which the 32-bit kinds keep the low half, 0).
    bool toBool() const;
    int32_t toInt() const;
    uint32_t toUInt() const;
    int64_t toInt64() const;
    uint64_t toUInt64() const;
    float toFloat() const;
    double toDouble() const;
    String toString() const;

    // Same kind and equal values, or both without a value. NaN equals
    // nothing.
    static bool equals(const Variant& a, const Variant& b);
    static bool notEquals(const Variant& a, const Variant& b) { return !equals(a, b); }
    bool operator==(const Variant& other) const { return equals(*this, other); }
    bool operator!=(const Variant& other) const { return !equals(*this, other); }

private:
    // One store operation per holder kind: drops a holder of another kind,
    // overwrites one of the same kind, or allocates a new one.
    void storeByte(uint32_t type, uint8_t value);
    void storeWord(uint32_t type, uint32_t value);
    void storeQuad(uint32_t type, uint64_t value);
    void storeFloatValue(float value);
    void storeDoubleValue(double value);
    void storeStringValue(const String& value);
    template <typename T> void store(uint32_t type, const T& value);
    void copyValueFrom(const Variant& other);

    uint32_t m_type = kEmpty;
    Object* m_value = nullptr;
};
