#pragma once

#include "foundation/containers/List.h"
#include "foundation/signals/Delegate.h"
#include "foundation/signals/SignalBase.h"

#include <atomic>
#include <memory>

class SignalEmission;

// A signal's connection list and its emission. Emission holds the signal's
// lock and calls the connections in order, each slot to completion before the
// next; a connection appended by a slot is reached by the same emission.
//
// Slots may disconnect themselves or others, destroy receivers, or destroy the
// signal itself while it is being emitted. Disconnected connections are
// deleted at once but their list nodes stay linked, empty, until the outermost
// emission of the signal ends, so the walk always has a valid next node; and
// an emission whose signal was destroyed by a slot returns without touching
// the signal again.
class BasicSignal : public SignalBase
{
public:
    BasicSignal() = default;
    BasicSignal(const BasicSignal&) = delete;
    BasicSignal& operator=(const BasicSignal&) = delete;
    ~BasicSignal() override;

    void slotDisconnect(SignalReceiver* receiver) override;
    void slotDuplicate(SignalReceiver* oldReceiver, SignalReceiver* newReceiver) override;
    // Tells every receiver to forget this signal and deletes all connections.
    void disconnectAll();

    bool isEnabled() const { return m_enabled; }
    // While disabled, emitting does nothing; the connections are kept.
    void setEnabled(bool enabled) { m_enabled = enabled; }

protected:
    // Appends the connection and registers the signal with its receiver.
    void connectDelegate(std::unique_ptr<Delegate> delegate);
    void emitArguments(const SignalArguments& arguments);

private:
    friend class SignalEmission;

    using Node = List<Delegate*>::Node;

    void endEmission(SignalEmission* emission);
    void dropNode(Node*& node);
    void removeEmptyNodes();

    std::atomic<bool> m_enabled{true};
    List<Delegate*> m_connections;
    SignalEmission* m_emission = nullptr;
};
