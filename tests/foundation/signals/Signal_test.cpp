// Signals and slots: order, kinds of arguments, enabling, duplicates, and the
// lifetimes of signals and receivers, including the cases where a slot tears
// down what is emitting it. Run natively under ASan, a use-after-free in any
// of these shows up as a crash.
#include <gtest/gtest.h>

#include "foundation/signals/Signal.h"
#include "foundation/signals/SignalReceiver.h"
#include "foundation/text/String.h"

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Log = std::vector<std::string>;

std::string narrow(const String& text)
{
    std::string result;
    for (int i = 0; i < text.length(); ++i)
        result += static_cast<char>(text.at(i));
    return result;
}

class Recorder : public SignalReceiver
{
public:
    Recorder(Log& log, std::string name) : m_log(log), m_name(std::move(name)) {}

    void ping() { m_log.push_back(m_name); }
    void value(int number) { m_log.push_back(m_name + ":" + std::to_string(number)); }
    void flag(bool on) { m_log.push_back(m_name + (on ? ":on" : ":off")); }
    void text(String words)
    {
        m_log.push_back(m_name + ":" + narrow(words));
        // Changing our own copy must not change what the next slot gets.
        words.append(String(u"!"));
    }
    void pair(const String& first, const String& second)
    {
        m_log.push_back(m_name + ":" + narrow(first) + "/" + narrow(second));
    }

    // Runs whatever a test wants to happen inside a slot.
    void act()
    {
        m_log.push_back(m_name);
        if (action)
            action();
    }

    std::function<void()> action;

private:
    Log& m_log;
    std::string m_name;
};

struct Event
{
    int code;
};

class EventTaker : public SignalReceiver
{
public:
    void take(Event* event) { taken = event; }
    Event* taken = nullptr;
};

// A receiver whose slot lives in a base that does not start the object.
class Counter
{
public:
    virtual ~Counter() = default;
    void count() { ++counted; }
    int counted = 0;
};

class Padding
{
public:
    virtual ~Padding() = default;
    long long padding[3] = {1, 2, 3};
};

class MultiBase : public Padding, public SignalReceiver, public Counter
{
};

} // namespace

TEST(Signal, CallsSlotsInConnectionOrderWithEachArgumentKind)
{
    Log log;
    Recorder a(log, "a");
    Recorder b(log, "b");
    Signal plain;
    plain.connect(&a, &Recorder::ping);
    plain.connect(&b, &Recorder::ping);
    plain.connect(&a, &Recorder::act);
    plain.emit();
    EXPECT_EQ(log, (Log{"a", "b", "a"}));

    log.clear();
    Signal valued;
    valued.connectWithArg(&b, &Recorder::value);
    valued.connectWithArg(&a, &Recorder::flag);
    valued.connect(&a, &Recorder::ping);
    valued.emitValue(-7);
    valued.emitValue(0);
    EXPECT_EQ(log, (Log{"b:-7", "a:on", "a", "b:0", "a:off", "a"}));

    log.clear();
    Signal texts;
    texts.connectString(&a, &Recorder::text);
    texts.connectString(&b, &Recorder::text);
    texts.connectStrings(&a, &Recorder::pair);
    texts.emitString(String(u"hi"));
    texts.emitTwoStrings(String(u"x"), String(u"y"));
    EXPECT_EQ(log, (Log{"a:hi", "b:hi", "a:hi/", "a:x", "b:x", "a:x/y"}));
}

TEST(Signal, PassesPointersWhole)
{
    EventTaker taker;
    Signal signal;
    signal.connectWithArg(&taker, &EventTaker::take);
    Event event{42};
    signal.emitValue(&event);
    ASSERT_EQ(taker.taken, &event);
    EXPECT_EQ(taker.taken->code, 42);
}

TEST(Signal, SlotOfABaseThatDoesNotStartTheReceiver)
{
    MultiBase receiver;
    Signal signal;
    signal.connectAdjusted(&receiver, &Counter::count);
    signal.connect(&receiver, &Counter::count);
    signal.emit();
    EXPECT_EQ(receiver.counted, 2);
    EXPECT_EQ(receiver.padding[2], 3);
}

TEST(Signal, DisabledSignalCallsNothingAndKeepsItsConnections)
{
    Log log;
    Recorder a(log, "a");
    Signal signal;
    signal.connect(&a, &Recorder::ping);
    signal.setEnabled(false);
    signal.emit();
    signal.emitString(String(u"lost"));
    EXPECT_TRUE(log.empty());
    signal.setEnabled(true);
    signal.emit();
    EXPECT_EQ(log, (Log{"a"}));
}

TEST(Signal, DuplicateConnectionsRunTwiceAndDisconnectTogether)
{
    Log log;
    Recorder a(log, "a");
    Recorder b(log, "b");
    Signal signal;
    signal.connect(&a, &Recorder::ping);
    signal.connect(&b, &Recorder::ping);
    signal.connect(&a, &Recorder::ping);
    signal.emit();
    EXPECT_EQ(log, (Log{"a", "b", "a"}));

    log.clear();
    signal.slotDisconnect(&a);
    signal.emit();
    EXPECT_EQ(log, (Log{"b"}));
}

TEST(Signal, ReceiverDestroyedFirstIsNeverCalled)
{
    Log log;
    Signal signal;
    Recorder keeper(log, "keeper");
    {
        Recorder gone(log, "gone");
        signal.connect(&gone, &Recorder::ping);
        signal.connect(&keeper, &Recorder::ping);
        signal.connect(&gone, &Recorder::ping);
    }
    signal.emit();
    EXPECT_EQ(log, (Log{"keeper"}));
}

TEST(Signal, SignalDestroyedFirstIsForgottenByItsReceivers)
{
    Log log;
    auto* receiver = new Recorder(log, "r");
    auto* first = new Signal;
    Signal second;
    first->connect(receiver, &Recorder::ping);
    second.connect(receiver, &Recorder::ping);
    delete first;
    // The receiver's destruction must not reach the deleted signal.
    delete receiver;
    second.emit();
    EXPECT_TRUE(log.empty());
}

TEST(Signal, ExplicitDisconnectLeavesNoStaleSenderBehind)
{
    Log log;
    auto* receiver = new Recorder(log, "r");
    auto* signal = new Signal;
    signal->connect(receiver, &Recorder::ping);
    signal->slotDisconnect(receiver);
    // The receiver already forgot the signal, so its destruction after the
    // signal's will not reach back into freed memory.
    EXPECT_FALSE(receiver->removeSender(signal));
    delete signal;
    delete receiver;
}

TEST(Signal, DuplicatedConnectionsFollowTheNewReceiverAndItsLifetime)
{
    Log log;
    Recorder original(log, "old");
    Signal signal;
    signal.connect(&original, &Recorder::ping);
    signal.connectWithArg(&original, &Recorder::value);
    {
        Recorder copy(log, "new");
        signal.slotDuplicate(&original, &copy);
        signal.emitValue(1);
        EXPECT_EQ(log, (Log{"old", "old:1", "new", "new:1"}));
    }
    // The copy is gone; its duplicated connections must be gone too.
    log.clear();
    signal.emitValue(2);
    EXPECT_EQ(log, (Log{"old", "old:2"}));
}

TEST(Signal, DuplicatingOnlyCopiesConnectionsPresentAtTheStart)
{
    Log log;
    Recorder a(log, "a");
    Signal signal;
    signal.connect(&a, &Recorder::ping);
    // Duplicating onto the same receiver appends; the appended ones must not be
    // duplicated again, or the loop would never end.
    signal.slotDuplicate(&a, &a);
    signal.emit();
    EXPECT_EQ(log, (Log{"a", "a"}));
}

TEST(Signal, SlotConnectedDuringEmissionRunsInTheSameEmission)
{
    Log log;
    Recorder a(log, "a");
    Recorder late(log, "late");
    Signal signal;
    bool connected = false;
    a.action = [&] {
        if (!connected)
            signal.connect(&late, &Recorder::ping);
        connected = true;
    };
    signal.connect(&a, &Recorder::act);
    signal.emit();
    EXPECT_EQ(log, (Log{"a", "late"}));
}

TEST(Signal, SlotMayDisconnectItselfAndOthersDuringEmission)
{
    Log log;
    Recorder a(log, "a");
    Recorder b(log, "b");
    Recorder c(log, "c");
    Signal signal;
    a.action = [&] {
        signal.slotDisconnect(&a);
        signal.slotDisconnect(&b);
    };
    signal.connect(&a, &Recorder::act);
    signal.connect(&b, &Recorder::ping);
    signal.connect(&c, &Recorder::ping);
    signal.emit();
    EXPECT_EQ(log, (Log{"a", "c"}));
    log.clear();
    signal.emit();
    EXPECT_EQ(log, (Log{"c"}));
}

TEST(Signal, SlotMayDestroyReceiversIncludingItsOwnDuringEmission)
{
    Log log;
    Signal signal;
    auto* self = new Recorder(log, "self");
    auto* next = new Recorder(log, "next");
    Recorder last(log, "last");
    self->action = [&] {
        delete next;
        delete self;
    };
    signal.connect(self, &Recorder::act);
    signal.connect(next, &Recorder::ping);
    signal.connect(&last, &Recorder::ping);
    signal.emit();
    EXPECT_EQ(log, (Log{"self", "last"}));
}

TEST(Signal, SlotMayDestroyTheSignalItIsEmittedBy)
{
    Log log;
    auto* signal = new Signal;
    Recorder killer(log, "killer");
    Recorder after(log, "after");
    killer.action = [&] { delete signal; };
    signal->connect(&killer, &Recorder::act);
    signal->connect(&after, &Recorder::ping);
    signal->emit();
    // The emission stopped with its signal; the receivers outlive it safely.
    EXPECT_EQ(log, (Log{"killer"}));
}

TEST(Signal, NestedEmissionsKeepTheWalkValidUntilTheOutermostEnds)
{
    Log log;
    Signal signal;
    Recorder outer(log, "outer");
    Recorder victim(log, "victim");
    Recorder tail(log, "tail");
    int depth = 0;
    outer.action = [&] {
        if (++depth > 1)
            return;
        signal.emit();
        signal.slotDisconnect(&victim);
    };
    signal.connect(&outer, &Recorder::act);
    signal.connect(&victim, &Recorder::ping);
    signal.connect(&tail, &Recorder::ping);
    signal.emit();
    EXPECT_EQ(log, (Log{"outer", "outer", "victim", "tail", "tail"}));
    log.clear();
    signal.emit();
    EXPECT_EQ(log, (Log{"outer", "tail"}));
}

TEST(Signal, SlotMayDestroyTheSignalFromANestedEmission)
{
    Log log;
    auto* signal = new Signal;
    Recorder a(log, "a");
    Recorder b(log, "b");
    int depth = 0;
    a.action = [&] {
        if (++depth == 1)
            signal->emit();
        else
            delete signal;
    };
    signal->connect(&a, &Recorder::act);
    signal->connect(&b, &Recorder::ping);
    signal->emit();
    EXPECT_EQ(log, (Log{"a", "a"}));
}

TEST(Signal, EmissionsAndConnectionsFromSeveralThreadsStaySerialised)
{
    Log unused;
    class Tally : public SignalReceiver
    {
    public:
        void add(int amount)
        {
            // Deliberately not atomic: the signal's lock must serialise slots.
            int seen = total;
            std::this_thread::yield();
            total = seen + amount;
        }
        int total = 0;
    };
    Tally tally;
    Signal signal;
    signal.connectWithArg(&tally, &Tally::add);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < 500; ++i)
                signal.emitValue(1);
        });
    }
    std::vector<Recorder*> extra;
    for (int i = 0; i < 50; ++i) {
        extra.push_back(new Recorder(unused, "x"));
        signal.connectWithArg(extra.back(), &Recorder::flag);
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(tally.total, 2000);
    for (Recorder* recorder : extra)
        delete recorder;
}

TEST(Signal, EmittedFromAWorkerThreadRunsSlotsOnThatThread)
{
    class ThreadNoter : public SignalReceiver
    {
    public:
        void note() { seenOn = std::this_thread::get_id(); }
        std::thread::id seenOn;
    };
    ThreadNoter noter;
    Signal signal;
    signal.connect(&noter, &ThreadNoter::note);
    std::thread::id workerId;
    std::thread worker([&] {
        workerId = std::this_thread::get_id();
        signal.emit();
    });
    worker.join();
    EXPECT_EQ(noter.seenOn, workerId);
}
