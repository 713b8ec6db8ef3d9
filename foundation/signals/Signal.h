#pragma once

#include "foundation/signals/BasicSignal.h"
#include "foundation/signals/MemberDelegate.h"

#include <cstdint>
#include <memory>
#include <type_traits>

class String;

// The signal member that objects hold. Slots are member functions of a
// SignalReceiver (or of any of its bases) taking nothing, one value (integer,
// enum, bool or pointer), one String or two Strings. Connecting the same slot
// twice makes it run twice per emission.
class Signal : public BasicSignal
{
public:
    template <class R, class C> void connect(R* receiver, void (C::*slot)()) { attach(receiver, slot); }

    template <class R, class C, class Value> void connectWithArg(R* receiver, void (C::*slot)(Value))
    {
        static_assert(!std::is_same<std::decay_t<Value>, String>::value,
                      "use connectString for a String slot");
        attach(receiver, slot);
    }

    template <class R, class C, class Text> void connectString(R* receiver, void (C::*slot)(Text))
    {
        static_assert(std::is_same<std::decay_t<Text>, String>::value, "the slot takes one String");
        attach(receiver, slot);
    }

    template <class R, class C, class First, class Second>
    void connectStrings(R* receiver, void (C::*slot)(First, Second))
    {
        static_assert(std::is_same<std::decay_t<First>, String>::value &&
                          std::is_same<std::decay_t<Second>, String>::value,
                      "the slot takes two Strings");
        attach(receiver, slot);
    }

    // For a receiver with several bases whose slot belongs to a base that does
    // not start the object; any of the slot kinds above.
    template <class R, class C, class... Args> void connectAdjusted(R* receiver, void (C::*slot)(Args...))
    {
        attach(receiver, slot);
    }

    void emit();
    void emitValue(intptr_t value);
    template <class T> void emitValue(T* pointer) { emitValue(reinterpret_cast<intptr_t>(pointer)); }
    // Every slot gets its own copy of the text.
    void emitString(String text);
    void emitTwoStrings(String first, String second);

private:
    template <class R, class C, class... Args> void attach(R* receiver, void (C::*slot)(Args...))
    {
        if (!receiver || !slot)
            return;
        connectDelegate(std::make_unique<MemberDelegate<R, C, Args...>>(receiver, slot));
    }
};
