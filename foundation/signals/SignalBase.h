#pragma once

#include "foundation/signals/Lockable.h"

class SignalReceiver;

// What a receiver needs of every signal that points at it: a way to drop all
// of its connections and to copy them to another receiver.
class SignalBase : public Lockable
{
public:
    // Deletes every connection whose target is the receiver.
    virtual void slotDisconnect(SignalReceiver* receiver) = 0;
    // Appends, for each connection to oldReceiver, the same slot bound to
    // newReceiver.
    virtual void slotDuplicate(SignalReceiver* oldReceiver, SignalReceiver* newReceiver) = 0;
};
