#include "graphics/paint/Gradient.h"

#include "graphics/paint/Rounding.h"

namespace {

uint8_t channelOfLine(int from, int to, int line, int lines)
{
    // from - (from - to) * line / lines, truncated; the numerator stays
    // non-negative because the result lies between the two channels.
    const int64_t numerator = static_cast<int64_t>(from) * lines - static_cast<int64_t>(from - to) * line;
    return static_cast<uint8_t>(numerator / lines);
}

Color colorOfLine(const Color& from, const Color& to, int line, int lines)
{
    return Color(channelOfLine(from.red(), to.red(), line, lines),
                 channelOfLine(from.green(), to.green(), line, lines),
                 channelOfLine(from.blue(), to.blue(), line, lines));
}

// The lines a pair of stops gets: its share of length, never below 0 and
// never more than are left.
int segmentLines(float start, float end, int length, int remaining)
{
    const int lines = roundHalfAwayFromZero((static_cast<double>(end) - start) * length);
    if (lines < 0)
        return 0;
    return lines > remaining ? remaining : lines;
}

} // namespace

void Gradient::addStop(const Color& color, float position)
{
    m_colors.append(color);
    m_positions.append(position);
}

void Gradient::setColors(const Array<Color>& colors)
{
    Array<Color> newColors;
    Array<float> newPositions;
    const int n = colors.count();
    if (!newColors.reserve(n) || !newPositions.reserve(n))
        return;
    const float step = n > 1 ? 1.0f / static_cast<float>(n - 1) : 0.0f;
    float position = 0.0f;
    for (int i = 0; i < n; ++i) {
        newColors.append(colors[i]);
        newPositions.append(position);
        position += step;
    }
    m_colors = newColors;
    m_positions = newPositions;
}

Array<Color> Gradient::lineColors(int length) const
{
    Array<Color> lines;
    const int stops = m_colors.count() < m_positions.count() ? m_colors.count() : m_positions.count();
    if (length < 1 || stops < 1 || !lines.reserve(length))
        return lines;
    if (stops == 1) {
        const Color solid(m_colors[0].red(), m_colors[0].green(), m_colors[0].blue());
        for (int i = 0; i < length; ++i)
            lines.append(solid);
        return lines;
    }
    int remaining = length;
    for (int i = 0; i + 1 < stops && remaining > 0; ++i) {
        const bool last = i + 2 == stops;
        const int n = last ? remaining : segmentLines(m_positions[i], m_positions[i + 1], length, remaining);
        for (int k = 0; k < n; ++k)
            lines.append(colorOfLine(m_colors[i], m_colors[i + 1], k, n));
        remaining -= n;
    }
    return lines;
}

bool Gradient::operator==(const Gradient& other) const
{
    if (m_type != other.m_type || m_colors.count() != other.m_colors.count() || m_colors.isEmpty())
        return false;
    if (m_positions.count() != other.m_positions.count())
        return false;
    for (int i = 0; i < m_colors.count(); ++i) {
        if (m_colors[i] != other.m_colors[i])
            return false;
    }
    for (int i = 0; i < m_positions.count(); ++i) {
        if (m_positions[i] != other.m_positions[i])
            return false;
    }
    return true;
}
