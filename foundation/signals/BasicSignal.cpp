#include "foundation/signals/BasicSignal.h"

#include "foundation/signals/SignalEmission.h"
#include "foundation/signals/SignalReceiver.h"

#include <mutex>

BasicSignal::~BasicSignal()
{
    lock();
    disconnectAll();
    // A slot is destroying us from inside emissions on this very thread (any
    // other thread's emission would still hold the lock we just took). Give
    // back the lock levels those emissions hold and tell them to stop.
    while (m_emission) {
        SignalEmission* emission = m_emission;
        m_emission = emission->m_outer;
        emission->m_signal = nullptr;
        unlock();
    }
    m_connections.clear();
    unlock();
}

void BasicSignal::slotDisconnect(SignalReceiver* receiver)
{
    std::lock_guard<Lockable> guard(*this);
    bool found = false;
    for (Node* node = m_connections.first(); node;) {
        Delegate* delegate = node->value;
        if (!delegate || delegate->target() != receiver) {
            node = node->next;
            continue;
        }
        found = true;
        dropNode(node);
    }
    // Keeps the receiver's record true, so that it never later reaches a
    // signal that no longer knows it and may already be gone.
    if (found)
        receiver->removeSender(this);
}

void BasicSignal::slotDuplicate(SignalReceiver* oldReceiver, SignalReceiver* newReceiver)
{
    if (!newReceiver)
        return;
    std::lock_guard<Lockable> guard(*this);
    Node* lastPresent = m_connections.last();
    for (Node* node = m_connections.first(); node; node = node->next) {
        if (node->value && node->value->target() == oldReceiver)
            connectDelegate(std::unique_ptr<Delegate>(node->value->duplicate(newReceiver)));
        if (node == lastPresent)
            break;
    }
}

void BasicSignal::disconnectAll()
{
    std::lock_guard<Lockable> guard(*this);
    for (Node* node = m_connections.first(); node; node = node->next) {
        Delegate* delegate = node->value;
        if (!delegate)
            continue;
        node->value = nullptr;
        delegate->target()->removeSender(this);
        delete delegate;
    }
    if (!m_emission)
        m_connections.clear();
}

void BasicSignal::connectDelegate(std::unique_ptr<Delegate> delegate)
{
    SignalReceiver* receiver = delegate->target();
    if (!receiver)
        return;
    std::lock_guard<Lockable> guard(*this);
    m_connections.append(delegate.get());
    delegate.release();
    receiver->addSender(this);
}

void BasicSignal::emitArguments(const SignalArguments& arguments)
{
    lock();
    SignalEmission emission(this);
    if (!m_enabled)
        return;
    for (Node* node = m_connections.first(); node; node = node->next) {
        Delegate* delegate = node->value;
        if (!delegate)
            continue;
        delegate->invoke(arguments);
        if (emission.signalDestroyed())
            return;
    }
}

void BasicSignal::endEmission(SignalEmission* emission)
{
    m_emission = emission->m_outer;
    if (!m_emission)
        removeEmptyNodes();
    unlock();
}

// Deletes the node's connection; the node itself goes now, or when the
// outermost emission ends if one is walking the list. Advances node.
void BasicSignal::dropNode(Node*& node)
{
    delete node->value;
    node->value = nullptr;
    if (m_emission)
        node = node->next;
    else
        m_connections.erase(node);
}

void BasicSignal::removeEmptyNodes()
{
    for (Node* node = m_connections.first(); node;) {
        if (node->value)
            node = node->next;
        else
            m_connections.erase(node);
    }
}
