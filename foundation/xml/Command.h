#pragma once

#include "foundation/text/String.h"

#include <cstdint>

class CommandRunner;

// One numbered step of a CommandRunner. A step does its work in execute() and
// names the step to run after it with setNext(); leaving the next id negative
// ends the run.
class Command
{
public:
    explicit Command(int32_t id);
    Command(const String& name, int32_t id);
    virtual ~Command();
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

    // False stops the run and makes it fail.
    virtual bool execute() = 0;

    const String& name() const { return m_name; }
    int32_t id() const { return m_id; }
    int32_t nextId() const { return m_nextId; }
    CommandRunner* runner() const { return m_runner; }
    const String& errorText() const { return m_errorText; }

    // A command runs only with an id of 0 or more, inside a runner.
    bool isValid() const { return m_id >= 0 && m_runner != nullptr; }
    void resetNext() { m_nextId = -1; }
    void setNext(int32_t id) { m_nextId = id; }
    void setRunner(CommandRunner* runner) { m_runner = runner; }

private:
    String m_name;
    int32_t m_id;
    int32_t m_nextId = -1;
    CommandRunner* m_runner = nullptr;
    String m_errorText;
};
