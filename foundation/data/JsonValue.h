#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

// A JSON value: null, true/false, a number, a UTF-8 string, an array or an
// object whose members keep their order. Asking a value for what it is not
// gives an empty answer (0, "", a null member), never a failure, so replies
// can be read without checking every step.
class JsonValue
{
public:
    enum Type
    {
        kNull,
        kBool,
        kNumber,
        kString,
        kArray,
        kObject
    };
    using Member = std::pair<std::string, JsonValue>;

    JsonValue() = default;
    JsonValue(bool value) : m_type(kBool), m_bool(value) {}
    JsonValue(int value) : m_type(kNumber), m_number(value) {}
    JsonValue(double value) : m_type(kNumber), m_number(value) {}
    JsonValue(const char* text) : m_type(kString), m_text(text) {}
    JsonValue(std::string text) : m_type(kString), m_text(std::move(text)) {}
    static JsonValue array();
    static JsonValue object();

    Type type() const { return m_type; }
    bool isNull() const { return m_type == kNull; }
    bool isBool() const { return m_type == kBool; }
    bool isNumber() const { return m_type == kNumber; }
    bool isString() const { return m_type == kString; }
    bool isArray() const { return m_type == kArray; }
    bool isObject() const { return m_type == kObject; }

    bool toBool() const { return m_type == kBool && m_bool; }
    double toNumber() const { return m_type == kNumber ? m_number : 0; }
    // The number cut towards zero into int's range; 0 for anything else.
    int toInt() const;

    // The parts below are handed out by reference from a value that lives
    // on, and by value from a temporary, such as a reply read in one line:
    // a reference into a temporary dies with it at the end of the statement,
    // before the loop or the name bound to it reads it.
    const std::string& toText() const&;
    std::string toText() &&;

    // Elements of an array, members of an object; 0 for the rest.
    int size() const;
    // A null value when out of range or not an array.
    const JsonValue& at(int index) const&;
    JsonValue at(int index) &&;
    // The first member of that name; a null value when none.
    const JsonValue& operator[](const std::string& name) const&;
    JsonValue operator[](const std::string& name) &&;
    bool contains(const std::string& name) const;
    const std::vector<JsonValue>& elements() const& { return m_elements; }
    std::vector<JsonValue> elements() && { return std::move(m_elements); }
    const std::vector<Member>& members() const& { return m_members; }
    std::vector<Member> members() && { return std::move(m_members); }

    // Appending turns a null value into an array; setting a member turns it
    // into an object and replaces a member of the same name.
    JsonValue& append(JsonValue value);
    JsonValue& set(const std::string& name, JsonValue value);

    // Compact text on one line; strings escaped so that control characters,
    // quotes and backslashes never appear raw. Numbers that are not finite
    // are written as null.
    std::string write() const;

private:
    void writeTo(std::string& out) const;

    Type m_type = kNull;
    bool m_bool = false;
    double m_number = 0;
    std::string m_text;
    std::vector<JsonValue> m_elements;
    std::vector<Member> m_members;
};
