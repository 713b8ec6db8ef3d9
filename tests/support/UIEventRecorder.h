#pragma once

#include "foundation/geometry/Point.h"
#include "foundation/signals/SignalReceiver.h"
#include "foundation/text/String.h"

#include <cstdint>
#include <vector>

class UIEvent;
class UIWidget;

namespace testsupport {

// Every event a widget's signals carry, in order. Keeps the type codes and
// the fields the tests compare.
class UIEventRecorder : public SignalReceiver
{
public:
    struct Record
    {
        int type = 0;
        int key = 0;
        String text;
        bool autoRepeat = false;
        uint32_t modifiers = 0;
        uint32_t button = 0;
        int direction = 0;
        int delta = 0;
        int value = 0;
        Point position;
    };

    explicit UIEventRecorder(UIWidget* widget);

    const std::vector<Record>& records() const { return m_records; }
    // The type codes, in order, without mouse moves, enters, leaves and paints
    // unless asked for.
    std::vector<int> types(bool withMoves = false) const;
    int count(int type) const;
    bool has(int type) const { return count(type) > 0; }
    // The last record of the type; when none came, the test fails and the
    // record is empty.
    Record last(int type) const;
    int sessionEndings() const { return m_sessionEndings; }
    void clear();

private:
    void onEvent(UIEvent* event);
    void onSessionEnding();

    std::vector<Record> m_records;
    int m_sessionEndings = 0;
};

} // namespace testsupport
