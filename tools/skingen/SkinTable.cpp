#include "tools/skingen/SkinTable.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

bool SkinTable::load(const std::string& path, std::string& error)
{
    m_path = path;
    m_rows.clear();
    std::ifstream in(path);
    if (!in) {
        error = path + ": cannot be read";
        return false;
    }
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        const std::string line = trim(text);
        if (line.empty() || line[0] == '#')
            continue;
        Row row;
        row.line = number;
        for (const std::string& field : split(line, '|'))
            row.fields.push_back(trim(field));
        m_rows.push_back(row);
    }
    return true;
}

std::string SkinTable::where(const Row& row, const std::string& message) const
{
    return m_path + ":" + std::to_string(row.line) + ": " + message;
}

std::string SkinTable::trim(const std::string& text)
{
    const char* blanks = " \t\r\n";
    const size_t begin = text.find_first_not_of(blanks);
    if (begin == std::string::npos)
        return std::string();
    return text.substr(begin, text.find_last_not_of(blanks) - begin + 1);
}

std::vector<std::string> SkinTable::split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator))
        parts.push_back(part);
    if (!text.empty() && text.back() == separator)
        parts.push_back(std::string());
    return parts;
}

std::vector<std::string> SkinTable::words(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string word;
    while (in >> word)
        out.push_back(word);
    return out;
}

bool SkinTable::toInt(const std::string& text, int& out)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < -1000000 || value > 1000000)
        return false;
    out = static_cast<int>(value);
    return true;
}
