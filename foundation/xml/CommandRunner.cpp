#include "foundation/xml/CommandRunner.h"

#include "foundation/xml/Command.h"

CommandRunner::CommandRunner() : m_errorText(u"no error") {}

CommandRunner::~CommandRunner()
{
    m_running = false;
    clear();
}

void CommandRunner::add(Command* command)
{
    if (!command)
        return;
    command->setRunner(this);
    m_commands.append(command);
}

bool CommandRunner::remove(int32_t id)
{
    if (m_running)
        return false;
    for (List<Command*>::Node* node = m_commands.first(); node; node = node->next) {
        if (node->value->id() == id) {
            delete node->value;
            m_commands.erase(node);
            return true;
        }
    }
    return false;
}

void CommandRunner::clear()
{
    if (m_running)
        return;
    for (Command* command : m_commands)
        delete command;
    m_commands.clear();
}

Command* CommandRunner::find(int32_t id) const
{
    for (Command* command : m_commands) {
        if (command->id() == id)
            return command;
    }
    return nullptr;
}

void CommandRunner::setStartId(int32_t id)
{
    if (!m_running)
        m_startId = id;
}

void CommandRunner::setStepLimit(int32_t limit)
{
    if (!m_running && limit > 0)
        m_stepLimit = limit;
}

bool CommandRunner::isReady() const
{
    if (m_commands.isEmpty())
        return false;
    for (Command* command : m_commands) {
        if (!command->isValid())
            return false;
    }
    return true;
}

Command* CommandRunner::firstCommand() const
{
    if (m_startId == -1)
        return m_commands.first()->value;
    return find(m_startId);
}

bool CommandRunner::fail(const String& text)
{
    m_errorText = text;
    m_running = false;
    return false;
}

bool CommandRunner::run()
{
    if (m_running || !isReady()) {
        m_errorText = u"unknown error";
        return false;
    }
    m_running = true;
    m_steps = 0;
    Command* command = firstCommand();
    if (!command)
        return fail(u"unknown error");
    for (;;) {
        if (m_steps >= m_stepLimit)
            return fail(u"step limit reached");
        ++m_steps;
        command->resetNext();
        if (!command->execute())
            return fail(String(u"command error, id: ") + String::fromInt(command->id()));
        if (command->nextId() < 0) {
            m_running = false;
            return true;
        }
        command = find(command->nextId());
        if (!command)
            return fail(u"command not found");
    }
}
