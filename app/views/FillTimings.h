#pragma once

#include "foundation/data/JsonValue.h"

#include <cstdint>
#include <deque>

// The views' fills, stamped as they happen so that a driven test or a
// timing run can read what each cost: the movies shown and the milliseconds
// from the first row made to the last view filled. Only the latest stamps
// are kept, so a session of many fills holds no more than a screenful.
class FillTimings
{
public:
    static constexpr int kKept = 32;

    struct Stamp
    {
        // Counts every fill since start, not only the kept ones.
        int number = 0;
        int shown = 0;
        double milliseconds = 0.0;
    };

    // Starts the clock of the fill about to run.
    void begin();
    // Stamps the fill begun last; without a begin it took no time.
    void end(int shown);

    int fillCount() const { return m_count; }
    const std::deque<Stamp>& stamps() const { return m_stamps; }
    // {"fills":n,"stamps":[{"fill":number,"shown":n,"ms":x}, ...]}, oldest first.
    JsonValue toJson() const;

private:
    int64_t m_started = -1;
    int m_count = 0;
    std::deque<Stamp> m_stamps;
};
