#pragma once

#include "foundation/signals/Delegate.h"
#include "foundation/signals/SignalReceiver.h"
#include "foundation/text/String.h"

#include <cstddef>
#include <type_traits>
#include <utility>

// The argument a slot parameter of type T takes from an emission: the value,
// converted to the parameter's integer, enum, bool or pointer type, or the
// emitted String at that position.
template <class T> T slotArgument(const SignalArguments& arguments, std::size_t position)
{
    if constexpr (std::is_same<T, String>::value) {
        const String* text = position == 0 ? arguments.first : arguments.second;
        return text ? *text : String();
    } else if constexpr (std::is_pointer<T>::value) {
        return reinterpret_cast<T>(arguments.value);
    } else if constexpr (std::is_same<T, bool>::value) {
        return arguments.value != 0;
    } else {
        static_assert(std::is_integral<T>::value || std::is_enum<T>::value,
                      "a slot takes nothing, one value, one String or two Strings");
        return static_cast<T>(arguments.value);
    }
}

// A connection to a member function of class C on a receiver of class R,
// which derives from C. The receiver is adjusted to its C part for the call,
// so a slot may belong to a base that does not start the object.
template <class R, class C, class... Args> class MemberDelegate final : public Delegate
{
public:
    using Function = void (C::*)(Args...);

    MemberDelegate(R* receiver, Function function) : m_receiver(receiver), m_function(function)
    {
        static_assert(std::is_base_of<SignalReceiver, R>::value, "a slot's receiver is a SignalReceiver");
        static_assert(std::is_base_of<C, R>::value, "the slot is a member of the receiver's class");
    }

    SignalReceiver* target() const override { return m_receiver; }

    void invoke(const SignalArguments& arguments) override
    {
        call(arguments, std::index_sequence_for<Args...>());
    }

    Delegate* duplicate(SignalReceiver* receiver) const override
    {
        return new MemberDelegate(static_cast<R*>(receiver), m_function);
    }

    Delegate* clone() const override { return new MemberDelegate(*this); }

private:
    template <std::size_t... Positions>
    void call(const SignalArguments& arguments, std::index_sequence<Positions...>)
    {
        C* object = m_receiver;
        (object->*m_function)(slotArgument<std::decay_t<Args>>(arguments, Positions)...);
    }

    R* m_receiver;
    Function m_function;
};
