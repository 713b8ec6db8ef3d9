#include "foundation/signals/SignalEmission.h"

#include "foundation/signals/BasicSignal.h"

SignalEmission::SignalEmission(BasicSignal* signal) : m_signal(signal), m_outer(signal->m_emission)
{
    signal->m_emission = this;
}

SignalEmission::~SignalEmission()
{
    if (m_signal)
        m_signal->endEmission(this);
}
