#pragma once

#include "foundation/data/Object.h"

#include <cstdint>

class SignalReceiver;
class String;

// What one emission passes to its slots. The value is a 32-bit quantity in the
// product (an index, a flag or an object pointer); it is pointer-wide here so
// that a pointer survives the trip on any build. A missing String arrives as
// an empty one.
struct SignalArguments
{
    intptr_t value = 0;
    const String* first = nullptr;
    const String* second = nullptr;
};

// One connection of a signal: a receiver and one of its member functions.
class Delegate : public Object
{
public:
    virtual SignalReceiver* target() const = 0;
    // Calls the slot with the emitted arguments. The slot may destroy this
    // delegate; nothing of it is touched once the slot has been called.
    virtual void invoke(const SignalArguments& arguments) = 0;
    // The same slot bound to another receiver of the same class.
    virtual Delegate* duplicate(SignalReceiver* receiver) const = 0;
    virtual Delegate* clone() const = 0;
};
