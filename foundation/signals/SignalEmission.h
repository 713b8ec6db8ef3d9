#pragma once

class BasicSignal;

// One running emission of a signal, living on the emitting thread's stack.
// The signal keeps a chain of its running emissions, innermost first; each
// holds one level of the signal's lock. Normally an emission unlinks itself
// and releases its level when it ends; when a slot destroys the signal, the
// signal's destructor does both and marks the emission, which then stops
// without touching the signal again.
class SignalEmission
{
public:
    explicit SignalEmission(BasicSignal* signal);
    ~SignalEmission();
    SignalEmission(const SignalEmission&) = delete;
    SignalEmission& operator=(const SignalEmission&) = delete;

    bool signalDestroyed() const { return m_signal == nullptr; }

private:
    friend class BasicSignal;

    BasicSignal* m_signal;
    SignalEmission* m_outer;
};
