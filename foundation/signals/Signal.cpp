#include "foundation/signals/Signal.h"

#include "foundation/text/String.h"

void Signal::emit()
{
    emitArguments(SignalArguments());
}

void Signal::emitValue(intptr_t value)
{
    SignalArguments arguments;
    arguments.value = value;
    emitArguments(arguments);
}

void Signal::emitString(String text)
{
    SignalArguments arguments;
    arguments.first = &text;
    emitArguments(arguments);
}

void Signal::emitTwoStrings(String first, String second)
{
    SignalArguments arguments;
    arguments.first = &first;
    arguments.second = &second;
    emitArguments(arguments);
}
