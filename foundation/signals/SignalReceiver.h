#pragma once

#include "foundation/signals/Lockable.h"

#include <set>

class SignalBase;

// Base of every object whose member functions are connected to signals. It
// remembers which signals hold a connection to it, so that its destruction
// removes those connections and no signal ever calls a destroyed object.
// A copy would not be known to those signals, so receivers are not copied.
class SignalReceiver : public Lockable
{
public:
    SignalReceiver() = default;
    SignalReceiver(const SignalReceiver&) = delete;
    SignalReceiver& operator=(const SignalReceiver&) = delete;
    ~SignalReceiver() override;

    void addSender(SignalBase* signal);
    // True when the signal was known.
    bool removeSender(SignalBase* signal);
    // Removes this receiver's connections from every signal that holds one.
    void disconnectAll();

private:
    std::set<SignalBase*> m_senders;
};
