#include "foundation/signals/SignalReceiver.h"

#include "foundation/signals/SignalBase.h"

#include <mutex>

SignalReceiver::~SignalReceiver()
{
    disconnectAll();
}

void SignalReceiver::addSender(SignalBase* signal)
{
    std::lock_guard<Lockable> guard(*this);
    m_senders.insert(signal);
}

bool SignalReceiver::removeSender(SignalBase* signal)
{
    std::lock_guard<Lockable> guard(*this);
    return m_senders.erase(signal) > 0;
}

void SignalReceiver::disconnectAll()
{
    std::lock_guard<Lockable> guard(*this);
    // Each signal tells us when it drops our last connection; with the set
    // already emptied here that report finds nothing to change.
    std::set<SignalBase*> senders;
    senders.swap(m_senders);
    for (SignalBase* signal : senders)
        signal->slotDisconnect(this);
}
