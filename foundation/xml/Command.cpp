#include "foundation/xml/Command.h"

Command::Command(int32_t id) : m_id(id), m_errorText(u"<no error>") {}

Command::Command(const String& name, int32_t id) : m_name(name), m_id(id), m_errorText(u"<no error>") {}

Command::~Command() = default;
