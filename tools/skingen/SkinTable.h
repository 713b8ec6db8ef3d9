#pragma once

#include <string>
#include <vector>

// One of the generator's source tables: lines of fields separated by "|",
// each trimmed. Blank lines and lines starting with "#" are skipped.
class SkinTable
{
public:
    struct Row
    {
        int line = 0;
        std::vector<std::string> fields;
    };

    // False with a message naming the file when it cannot be read.
    bool load(const std::string& path, std::string& error);
    const std::vector<Row>& rows() const { return m_rows; }
    const std::string& path() const { return m_path; }
    // "path:line: message", for reporting a bad row.
    std::string where(const Row& row, const std::string& message) const;

    static std::string trim(const std::string& text);
    static std::vector<std::string> split(const std::string& text, char separator);
    // Splits at runs of blanks.
    static std::vector<std::string> words(const std::string& text);
    // A whole decimal integer, or false.
    static bool toInt(const std::string& text, int& out);

private:
    std::string m_path;
    std::vector<Row> m_rows;
};
