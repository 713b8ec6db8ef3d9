#include "foundation/system/EventReceiver.h"

#include "foundation/system/MessageLoop.h"

namespace {

// Only the GUI thread makes receivers, so the counter needs no lock.
uint32_t g_lastSerial = 0;

} // namespace

EventReceiver::EventReceiver() : m_serial(++g_lastSerial)
{
    if (MessageLoop* loop = MessageLoop::instance())
        loop->addReceiver(this);
}

EventReceiver::~EventReceiver()
{
    if (MessageLoop* loop = MessageLoop::instance())
        loop->removeReceiver(this);
}
