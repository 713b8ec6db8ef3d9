#pragma once

#include "foundation/data/Object.h"

// Base of the toolkit's events: a type code and three flags, all clear after
// construction. Input events (mouse and keyboard) set the input flag in their
// constructors; the message loop refuses them while input is blocked.
class UIEvent : public Object
{
public:
    explicit UIEvent(int type) : m_type(type) {}

    int type() const { return m_type; }
    void setAccepted(bool accepted) { m_accepted = accepted; }
    void accept() { m_accepted = true; }
    void ignore() { m_accepted = false; }
    bool isAccepted() const { return m_accepted; }
    void setSpontaneous(bool spontaneous) { m_spontaneous = spontaneous; }
    bool isSpontaneous() const { return m_spontaneous; }
    bool isInputEvent() const { return m_input; }

protected:
    void setInput(bool input) { m_input = input; }

private:
    int m_type;
    bool m_accepted = false;
    bool m_spontaneous = false;
    bool m_input = false;
};
