#include "foundation/time/Locale.h"

#include "foundation/platform/LocaleData.h"
#include "foundation/text/CharClass.h"
#include "foundation/time/Date.h"
#include "foundation/time/Time.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace {

const uint32_t kPercentSign = 0x0076;
const uint32_t kNativeDigits = 0x0013;
const uint32_t kPositiveSign = 0x0050;
const uint32_t kNegativeSign = 0x0051;
const uint32_t kDecimalPoint = 0x000E;
const uint32_t kGroupSeparator = 0x000F;
const uint32_t kMeasure = 0x000D;
const uint32_t kTimeMarker = 0x0023;
const uint32_t kFirstDayOfWeek = 0x100C;
const uint32_t kLongDate = 0x0020;
const uint32_t kShortDate = 0x001F;
const uint32_t kTimeFormat = 0x1003;
const uint32_t kFirstMonthName = 0x0038;
const uint32_t kFirstShortMonthName = 0x0044;
const uint32_t kFirstDayName = 0x002A;
const uint32_t kFirstShortDayName = 0x0031;

const char16_t kNoBreakSpace = 0x00A0;
const int kMaxDecimals = 9;
const double kNumberLimit = 1e20;

int runLength(const String& pattern, int start)
{
    char16_t unit = pattern.at(start);
    int end = start;
    while (end < pattern.length() && pattern.at(end) == unit)
        ++end;
    return end - start;
}

String paddedNumber(int value, int width)
{
    String digits = String::fromInt(value);
    if (value >= 0 && digits.length() < width)
        digits.prependRepeated(u'0', width - digits.length());
    return digits;
}

bool isAsciiDigit(char16_t unit)
{
    return unit >= '0' && unit <= '9';
}

// The value of plain ASCII number text: an optional sign, digits, one
// decimal point ('.' or ',') and more digits; the rest is ignored, as the C
// library's reading stops at the first unit it cannot use.
double readAsciiNumber(const String& ascii)
{
    int i = 0;
    bool negative = false;
    if (i < ascii.length() && (ascii.at(i) == '+' || ascii.at(i) == '-'))
        negative = ascii.at(i++) == '-';
    std::string whole;
    std::string fraction;
    for (; i < ascii.length() && isAsciiDigit(ascii.at(i)); ++i)
        whole.push_back(static_cast<char>(ascii.at(i)));
    if (i < ascii.length() && (ascii.at(i) == '.' || ascii.at(i) == ',')) {
        for (++i; i < ascii.length() && isAsciiDigit(ascii.at(i)); ++i)
            fraction.push_back(static_cast<char>(ascii.at(i)));
    }
    if (whole.empty() && fraction.empty())
        return 0.0;
    std::string number =
        (whole.empty() ? std::string("0") : whole) + "." + (fraction.empty() ? "0" : fraction);
    double value = 0.0;
    std::from_chars_result read = std::from_chars(number.data(), number.data() + number.size(), value);
    if (read.ec == std::errc::result_out_of_range)
        value = whole.find_first_not_of('0') != std::string::npos ? HUGE_VAL : 0.0;
    return negative ? -value : value;
}

const char16_t kDecimalMark = u'D';
// The group separator, told apart by whether it is a '.' or ',' character.
const char16_t kGroupMark = u'G';
const char16_t kDotCommaGroupMark = u'g';

bool isSeparatorMark(char16_t mark)
{
    return mark == kDecimalMark || mark == kGroupMark || mark == kDotCommaGroupMark || mark == '.' ||
           mark == ',';
}

bool allDigits(const String& marked, int begin, int end)
{
    for (int i = begin; i < end; ++i) {
        if (!isAsciiDigit(marked.at(i)))
            return false;
    }
    return true;
}

// Whether the mark at index stands where a group separator would: after a
// first group of one to three digits (and an optional sign) and before
// exactly three digits that end the number.
bool isInGroupPosition(const String& marked, int index)
{
    const int begin = marked.at(0) == '+' || marked.at(0) == '-' ? 1 : 0;
    const int before = index - begin;
    return before >= 1 && before <= 3 && marked.length() - index - 1 == 3 &&
           allDigits(marked, begin, index) && allDigits(marked, index + 1, marked.length());
}

// Checks the marks of Locale::markNumberText and writes plain ASCII number
// text. A single '.' or ',' and no other separator is the decimal point
// whatever the locale, so values written under another regional setting
// read back; but where it is the locale's own group separator in a group
// separator's place before the last three digits ("1,200" in English), it
// groups, as the user typing it means. Otherwise the locale's format must
// hold exactly: group separators only before the decimal point, between
// groups of three digits after a first group of one to three.
bool numberFromMarks(const String& marked, String& ascii)
{
    int separators = 0;
    int lastSeparator = -1;
    for (int i = 0; i < marked.length(); ++i) {
        if (isSeparatorMark(marked.at(i))) {
            ++separators;
            lastSeparator = i;
        }
    }
    const bool groupsThousands = separators == 1 && marked.at(lastSeparator) == kDotCommaGroupMark &&
                                 isInGroupPosition(marked, lastSeparator);
    const bool loneDecimal = separators == 1 && !groupsThousands;
    int digits = 0;
    int groupDigits = -1; // digits since the last group separator, -1 before any
    bool inFraction = false;
    for (int i = 0; i < marked.length(); ++i) {
        const char16_t mark = marked.at(i);
        const bool dotOrComma = mark == '.' || mark == ',' || mark == kDotCommaGroupMark;
        if (mark == '+' || mark == '-') {
            if (i != 0)
                return false;
            ascii.appendChar(mark);
        } else if (isAsciiDigit(mark)) {
            ascii.appendChar(mark);
            ++digits;
            if (groupDigits >= 0 && !inFraction)
                ++groupDigits;
        } else if (mark == kDecimalMark || (loneDecimal && dotOrComma)) {
            if (inFraction || (groupDigits >= 0 && groupDigits != 3))
                return false;
            inFraction = true;
            ascii.appendChar(u'.');
        } else if (mark == kGroupMark || mark == kDotCommaGroupMark) {
            const bool firstGroupFits = groupDigits < 0 && digits >= 1 && digits <= 3;
            if (inFraction || !(firstGroupFits || groupDigits == 3))
                return false;
            groupDigits = 0;
        } else {
            return false;
        }
    }
    if (groupDigits >= 0 && !inFraction && groupDigits != 3)
        return false;
    return digits > 0;
}

} // namespace

Locale& Locale::instance()
{
    static Locale locale(LocaleData::userDefaultLcid());
    return locale;
}

Locale::Locale(uint32_t lcid)
{
    load(lcid);
}

void Locale::load(uint32_t lcid)
{
    m_lcid = lcid;
    m_percentSign = firstUnit(kPercentSign);
    m_zeroDigit = firstUnit(kNativeDigits);
    m_positiveSign = firstUnit(kPositiveSign);
    m_negativeSign = firstUnit(kNegativeSign);
    m_decimalPoint = firstUnit(kDecimalPoint);
    m_groupSeparator = firstUnit(kGroupSeparator);
}

char16_t Locale::firstUnit(uint32_t type) const
{
    String text = info(type);
    return text.isEmpty() ? 0 : text.at(0);
}

String Locale::info(uint32_t type) const
{
    return LocaleData::info(m_lcid, type);
}

String Locale::name() const
{
    String result = isoLanguageName();
    String country = isoCountryName();
    if (!country.isEmpty()) {
        result.appendChar(u'-');
        result.append(country);
    }
    return result;
}

bool Locale::usesUsMeasurement() const
{
    return !String::equalsCString(info(kMeasure), u"0");
}

bool Locale::is24HourClock() const
{
    return !String::equalsCString(info(kTimeMarker), u"0");
}

int Locale::firstDayOfWeek() const
{
    String text = info(kFirstDayOfWeek);
    if (text.length() != 1 || text.at(0) < '0' || text.at(0) > '6')
        return 1;
    return text.at(0) - '0' + 1;
}

bool Locale::isUserDefault() const
{
    return m_lcid == LocaleData::userDefaultLcid();
}

String Locale::dateFormat(bool longForm) const
{
    return datePatternFromSystem(info(longForm ? kLongDate : kShortDate));
}

String Locale::timeFormat() const
{
    return timePatternFromSystem(info(kTimeFormat));
}

String Locale::datePatternFromSystem(const String& system)
{
    String pattern;
    int yearLetters = 0;
    for (int i = 0; i < system.length(); ++i) {
        char16_t unit = system.at(i);
        if (unit == 'g')
            continue;
        if (unit == 'y') {
            // Four year digits at most; further ones are dropped.
            if (yearLetters < 4) {
                pattern.appendChar(u'y');
                ++yearLetters;
            }
            continue;
        }
        // A lone "y" becomes "yy": we have no one-digit year.
        if (yearLetters == 1) {
            pattern.appendChar(u'y');
            ++yearLetters;
        }
        pattern.appendChar(unit);
    }
    if (yearLetters == 1)
        pattern.appendChar(u'y');
    return pattern;
}

String Locale::timePatternFromSystem(const String& system)
{
    String pattern;
    bool markerWritten = false;
    for (int i = 0; i < system.length(); ++i) {
        char16_t unit = system.at(i);
        if (unit == 'H') {
            pattern.appendChar(u'h');
        } else if (unit == 't') {
            if (!markerWritten)
                pattern.appendCString(u"AP");
            markerWritten = true;
        } else {
            pattern.appendChar(unit);
        }
    }
    return pattern;
}

String Locale::monthName(int month, bool shortName) const
{
    if (month < 1 || month > 12)
        return String();
    return info((shortName ? kFirstShortMonthName : kFirstMonthName) + static_cast<uint32_t>(month - 1));
}

String Locale::dayName(int day, bool shortName) const
{
    if (day < 1 || day > 7)
        return String();
    return info((shortName ? kFirstShortDayName : kFirstDayName) + static_cast<uint32_t>(day - 1));
}

// One pass over the pattern: text that a token produced is never read as a
// pattern again, so names such as "Tuesday" or "March" stay intact.
String Locale::formatDate(const Date& date, const String& pattern) const
{
    if (!date.isValid() || pattern.isEmpty())
        return String();
    String out;
    int i = 0;
    while (i < pattern.length())
        i += writeDateToken(out, date, pattern.at(i), runLength(pattern, i));
    return out;
}

// Writes the longest token that a run of one letter starts with and returns
// the number of letters it used.
int Locale::writeDateToken(String& out, const Date& date, char16_t letter, int run) const
{
    int taken = run < 4 ? run : 4;
    switch (letter) {
    case 'y':
        if (run >= 4) {
            out.append(String::fromInt(date.year()));
            return 4;
        }
        if (run >= 2) {
            // The last two digits, also for years below 1000.
            out.append(paddedNumber(date.year() % 100, 2));
            return 2;
        }
        out.appendChar(letter);
        return 1;
    case 'M':
        out.append(taken >= 3 ? monthName(date.month(), taken == 3) : paddedNumber(date.month(), taken));
        return taken;
    case 'd':
        out.append(taken >= 3 ? dayName(date.dayOfWeek(), taken == 3) : paddedNumber(date.day(), taken));
        return taken;
    default:
        out.appendChar(letter);
        return 1;
    }
}

String Locale::formatDate(const Date& date, bool longForm) const
{
    return formatDate(date, dateFormat(longForm));
}

String Locale::formatTime(const Time& time, const String& pattern) const
{
    if (!time.isValid() || time.hour() > 23 || pattern.isEmpty())
        return String();
    bool twelveHour = pattern.contains(String(u"AP"), String::kCaseSensitive) ||
                      pattern.contains(String(u"ap"), String::kCaseSensitive);
    bool pm = false;
    int hour = twelveHour ? time.hour12(&pm) : time.hour();
    String designator = pm ? pmDesignator() : amDesignator();
    String out;
    int i = 0;
    while (i < pattern.length()) {
        char16_t letter = pattern.at(i);
        char16_t next = i + 1 < pattern.length() ? pattern.at(i + 1) : 0;
        if ((letter == 'A' && next == 'P') || (letter == 'a' && next == 'p')) {
            out.append(letter == 'a' ? designator.toLower() : designator);
            i += 2;
            continue;
        }
        int run = runLength(pattern, i);
        int taken = letter == 'z' ? (run >= 3 ? 3 : 1) : (run >= 2 ? 2 : 1);
        switch (letter) {
        case 'h':
            out.append(paddedNumber(hour, taken));
            break;
        case 'm':
            out.append(paddedNumber(time.minute(), taken));
            break;
        case 's':
            out.append(paddedNumber(time.second(), taken));
            break;
        case 'z':
            out.append(paddedNumber(time.millisecond(), taken));
            break;
        default:
            out.appendChar(letter);
            taken = 1;
            break;
        }
        i += taken;
    }
    return out;
}

String Locale::formatTime(const Time& time) const
{
    return formatTime(time, timeFormat());
}

String Locale::formatNumber(double value, int decimals) const
{
    if (decimals < 0 || decimals > kMaxDecimals || !(value > -kNumberLimit && value < kNumberLimit))
        return String();
    char buffer[48];
    std::to_chars_result written =
        std::to_chars(buffer, buffer + sizeof(buffer) - 1, value, std::chars_format::fixed, decimals);
    if (written.ec != std::errc())
        return String();
    String text;
    for (const char* p = buffer; p != written.ptr; ++p)
        text.appendChar(static_cast<char16_t>(*p));
    return text;
}

String Locale::formatDouble(double value, int decimals) const
{
    String text = formatNumber(value, decimals);
    if (m_decimalPoint == 0 || m_decimalPoint == u'.')
        return text;
    return text.replaceChar(u'.', m_decimalPoint, String::kCaseSensitive);
}

double Locale::toDouble(const String& text, bool* ok) const
{
    String marked;
    String ascii;
    const bool read = markNumberText(text, marked) && numberFromMarks(marked, ascii);
    if (ok != nullptr)
        *ok = read;
    return read ? readAsciiNumber(ascii) : 0.0;
}

// Turns the locale's number characters into marks: ASCII digits, '+' and '-',
// kDecimalMark for the locale's decimal point, kGroupMark for its group
// separator, and '.' or ',' where the text holds one the locale does not use.
// White space may surround the number; anything else inside fails.
bool Locale::markNumberText(const String& text, String& marked) const
{
    int begin = 0;
    int end = text.length();
    while (begin < end && isSpaceChar(text.at(begin)))
        ++begin;
    while (end > begin && isSpaceChar(text.at(end - 1)))
        --end;
    for (int i = begin; i < end; ++i) {
        const char16_t mark = numberMark(text.at(i));
        if (mark == 0)
            return false;
        marked.appendChar(mark);
    }
    return !marked.isEmpty();
}

char16_t Locale::numberMark(char16_t unit) const
{
    // A locale without native digits must not turn control characters into
    // digits.
    if (m_zeroDigit != 0 && unit >= m_zeroDigit && unit <= m_zeroDigit + 9)
        return static_cast<char16_t>(u'0' + (unit - m_zeroDigit));
    if (isAsciiDigit(unit))
        return unit;
    if (unit == '+' || (m_positiveSign != 0 && unit == m_positiveSign))
        return u'+';
    if (unit == '-' || (m_negativeSign != 0 && unit == m_negativeSign))
        return u'-';
    if (m_decimalPoint != 0 && unit == m_decimalPoint)
        return kDecimalMark;
    if (m_groupSeparator != 0 && unit == m_groupSeparator)
        return unit == '.' || unit == ',' ? kDotCommaGroupMark : kGroupMark;
    if (m_groupSeparator == kNoBreakSpace && unit == ' ')
        return kGroupMark;
    if (unit == '.' || unit == ',')
        return unit;
    return 0;
}

uint32_t Locale::lcidFromName(const String& name, bool exact)
{
    String trimmed = name.trim();
    if (trimmed.isEmpty())
        return LocaleData::userDefaultLcid();
    uint32_t lcid = LocaleData::lcidFromName(trimmed, exact);
    return lcid != 0 ? lcid : LocaleData::userDefaultLcid();
}
