#pragma once

#include "foundation/signals/SignalReceiver.h"

// Base of the application windows: a signal receiver that can be asked to
// take up the texts of a newly chosen language.
class Window : public SignalReceiver
{
public:
    virtual void retranslate();
};
