#pragma once

#include "foundation/text/String.h"

#include <cstdint>

class Date;
class Time;

// The user's locale: names and patterns from the system's locale data, the
// characters that number text needs, and the formatting of dates and times
// in the program's own pattern language:
//   yyyy year, yy its last two digits, MMMM/MMM long/short month name,
//   MM/M month with two/one digits, dddd/ddd long/short day name, dd/d day,
//   hh/h hour, mm/m minute, ss/s second, zzz/z millisecond, AP/ap the AM or
//   PM designator (switching the hour to the 12-hour clock).
// Every other character is copied.
class Locale
{
public:
    // Locale types as the system numbers them.
    static constexpr uint32_t kEnglishLanguageName = 0x1001;
    static constexpr uint32_t kNativeLanguageName = 0x0002;
    static constexpr uint32_t kIsoLanguageName = 0x0059;
    static constexpr uint32_t kEnglishCountryName = 0x1002;
    static constexpr uint32_t kNativeCountryName = 0x0006;
    static constexpr uint32_t kIsoCountryName = 0x005A;
    static constexpr uint32_t kAmDesignator = 0x0028;
    static constexpr uint32_t kPmDesignator = 0x0029;

    // The user's locale, read on first use.
    static Locale& instance();

    explicit Locale(uint32_t lcid);
    // Reads every text again for another locale.
    void load(uint32_t lcid);

    uint32_t lcid() const { return m_lcid; }
    String info(uint32_t type) const;
    String englishLanguageName() const { return info(kEnglishLanguageName); }
    String nativeLanguageName() const { return info(kNativeLanguageName); }
    String isoLanguageName() const { return info(kIsoLanguageName); }
    String englishCountryName() const { return info(kEnglishCountryName); }
    String nativeCountryName() const { return info(kNativeCountryName); }
    String isoCountryName() const { return info(kIsoCountryName); }
    String amDesignator() const { return info(kAmDesignator); }
    String pmDesignator() const { return info(kPmDesignator); }
    // "de-DE", or the language alone when the country is unknown.
    String name() const;
    bool usesUsMeasurement() const;
    bool is24HourClock() const;
    // 1 Monday to 7 Sunday.
    int firstDayOfWeek() const;
    bool isUserDefault() const;

    // The system's patterns rewritten into our pattern language.
    String dateFormat(bool longForm) const;
    String timeFormat() const;
    // The rewriting: eras ('g') are dropped, at most four 'y' are kept and a
    // lone 'y' becomes "yy"; 'H' becomes 'h' and the first 't' "AP" (later
    // ones are dropped).
    static String datePatternFromSystem(const String& system);
    static String timePatternFromSystem(const String& system);
    // Month 1-12 and day 1 (Monday) to 7; empty outside.
    String monthName(int month, bool shortName) const;
    String dayName(int day, bool shortName) const;

    char16_t percentSign() const { return m_percentSign; }
    char16_t zeroDigit() const { return m_zeroDigit; }
    char16_t positiveSign() const { return m_positiveSign; }
    char16_t negativeSign() const { return m_negativeSign; }
    char16_t decimalPoint() const { return m_decimalPoint; }
    char16_t groupSeparator() const { return m_groupSeparator; }

    // Empty for an invalid date or an empty pattern.
    String formatDate(const Date& date, const String& pattern) const;
    String formatDate(const Date& date, bool longForm) const;
    // Empty for an invalid time, an hour past 23 or an empty pattern.
    String formatTime(const Time& time, const String& pattern) const;
    String formatTime(const Time& time) const;

    // Fixed-point text with '.' and 0 to 9 decimals; empty for other counts
    // and for values outside -1e20 to 1e20 (NaN included).
    String formatNumber(double value, int decimals) const;
    // The number with the locale's decimal point and no grouping; empty as
    // formatNumber is.
    String formatDouble(double value, int decimals) const;
    // Reads a number in this locale's format exactly: its decimal point, and
    // its group separators only between groups of three digits before it. A
    // text with a single '.' or ',' and no other separator reads that mark as
    // the decimal point, so values written under another regional setting
    // still read back; unless it is this locale's group separator between a
    // first group and the last three digits (English "1,200" is 1200). ok
    // (when not null) is false, and the result 0.0, for anything else.
    double toDouble(const String& text, bool* ok) const;
    double parseDouble(const String& text, bool* ok) const { return toDouble(text, ok); }

    // The locale id of a name such as "de-DE"; the user's locale for an empty
    // or unknown name.
    static uint32_t lcidFromName(const String& name, bool exact);

private:
    char16_t firstUnit(uint32_t type) const;
    int writeDateToken(String& out, const Date& date, char16_t letter, int run) const;
    bool markNumberText(const String& text, String& marked) const;
    char16_t numberMark(char16_t unit) const;

    uint32_t m_lcid = 0;
    char16_t m_percentSign = 0;
    char16_t m_zeroDigit = 0;
    char16_t m_positiveSign = 0;
    char16_t m_negativeSign = 0;
    char16_t m_decimalPoint = 0;
    char16_t m_groupSeparator = 0;
};
