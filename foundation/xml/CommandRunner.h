#pragma once

#include "foundation/containers/List.h"
#include "foundation/text/String.h"

#include <cstdint>

class Command;

// Runs numbered commands one after the other: each names the next by its id,
// until one names none (success) or fails. The runner owns its commands.
class CommandRunner
{
public:
    // A run that goes on this long is taken as a loop and stopped; no caller
    // comes near it.
    static constexpr int32_t kDefaultStepLimit = 0x7FFFFFF0;

    CommandRunner();
    virtual ~CommandRunner();
    CommandRunner(const CommandRunner&) = delete;
    CommandRunner& operator=(const CommandRunner&) = delete;

    // Takes ownership and makes the command part of this runner.
    void add(Command* command);
    // Deletes the first command with the id; false while running or when none has it.
    bool remove(int32_t id);
    // Deletes every command; nothing happens while running.
    void clear();
    Command* find(int32_t id) const;

    // -1 starts with the first command added. Ignored while running.
    void setStartId(int32_t id);
    int32_t startId() const { return m_startId; }
    // The number of steps after which a run fails. Ignored while running.
    void setStepLimit(int32_t limit);
    int32_t stepLimit() const { return m_stepLimit; }

    bool hasCommands() const { return !m_commands.isEmpty(); }
    bool isReady() const;
    bool isRunning() const { return m_running; }
    int32_t steps() const { return m_steps; }
    const String& errorText() const { return m_errorText; }

    bool run();

private:
    Command* firstCommand() const;
    bool fail(const String& text);

    List<Command*> m_commands;
    bool m_running = false;
    String m_errorText;
    int32_t m_startId = -1;
    int32_t m_steps = 0;
    int32_t m_stepLimit = kDefaultStepLimit;
};
