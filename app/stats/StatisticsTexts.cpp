#include "app/stats/StatisticsTexts.h"

#include "app/window/Window.h"

String StatisticsTexts::count(int movies)
{
    return Window::translate(u"^ Movies", kContext).arg(String::fromInt(movies));
}

String StatisticsTexts::runningTime(int64_t minutes)
{
    const int64_t seconds = minutes * 60;
    const int hours = int(seconds / 3600);
    const int restMinutes = int((seconds - int64_t(hours) * 3600) / 60);
    return Window::translate(u"^ Hours ^ Minutes (^ Days)", kContext)
        .arg(String::fromInt(hours))
        .arg(String::fromInt(restMinutes))
        .arg(days(hours));
}

String StatisticsTexts::days(int hours)
{
    const String text = String::fromFloat(float(hours) / 24.0f, 1);
    const String pointZero(u".0");
    if (!text.endsWith(pointZero, String::kCaseSensitive))
        return text;
    return text.replace(pointZero, String(), String::kCaseSensitive);
}

String StatisticsTexts::completeness(int percent)
{
    return String::fromInt(percent) + u"%";
}
