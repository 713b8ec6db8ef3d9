// Signals and slots: order, argument kinds, enabling, duplicates, lifetimes,
// and slots tearing down what emits them (under ASan a use-after-free crashes).
#include <gtest/gtest.h>

#include "foundation/signals/Signal.h"
#include "foundation/signals/SignalReceiver.h"
#include "tests/support/TestText.h"

#include <functional>
#include <string>
#include <thread>
#include <vector>

using testsupport::utf8;

namespace {

using Log = std::vector<std::string>;

class Recorder : public SignalReceiver
{
public:
    Recorder(Log& log, std::string name) : m_log(log), m_name(std::move(name)) {}

    // Records the call, then runs whatever the test wants to happen inside it.
    void ping()
    {
        m_log.push_back(m_name);
        if (action)
            action();
    }
    void value(int number) { m_log.push_back(m_name + ":" + std::to_string(number)); }
    void pointer(Log* log) { m_log.push_back(m_name + (log == &m_log ? ":same" : ":other")); }
    // Each slot gets its own copy of the text: changing it changes no other.
    void text(String words) { m_log.push_back(m_name + ":" + utf8(words.append(String(u"!")))); }
    void pair(const String& one, const String& two) { m_log.push_back(m_name + ":" + utf8(one + two)); }

    std::function<void()> action;

private:
    Log& m_log;
    std::string m_name;
};

// A receiver whose slot lives in a base that does not start the object.
struct Counter
{
    virtual ~Counter() = default;
    void count() { ++counted; }
    int counted = 0;
};
struct MultiBase : std::string, SignalReceiver, Counter
{
};

} // namespace

TEST(Signal, CallsSlotsInConnectionOrderWithEachArgumentKind)
{
    Log log;
    Recorder a(log, "a");
    Recorder b(log, "b");
    Signal values, pointers, texts;
    values.connectWithArg(&b, &Recorder::value);
    values.connect(&a, &Recorder::ping);
    values.emitValue(-7);
    pointers.connectWithArg(&a, &Recorder::pointer);
    pointers.emitValue(&log);
    texts.connectString(&a, &Recorder::text);
    texts.connectString(&b, &Recorder::text);
    texts.connectStrings(&a, &Recorder::pair);
    texts.emitString(String(u"hi"));
    texts.emitTwoStrings(String(u"x"), String(u"y"));
    EXPECT_EQ(log, (Log{"b:-7", "a", "a:same", "a:hi!", "b:hi!", "a:hi", "a:x!", "b:x!", "a:xy"}));

    MultiBase receiver;
    Signal adjusted;
    adjusted.connectAdjusted(&receiver, &Counter::count);
    adjusted.connect(&receiver, &Counter::count);
    adjusted.emit();
    EXPECT_EQ(receiver.counted, 2);
}

TEST(Signal, DisablingDuplicatingAndDisconnecting)
{
    Log log;
    Recorder a(log, "a");
    Recorder b(log, "b");
    Signal signal;
    signal.connect(&a, &Recorder::ping);
    signal.connect(&b, &Recorder::ping);
    signal.connect(&a, &Recorder::ping);
    signal.setEnabled(false);
    signal.emit(); // a disabled signal calls nothing
    signal.setEnabled(true);
    signal.emit();
    signal.slotDisconnect(&a);
    signal.emit();
    EXPECT_EQ(log, (Log{"a", "b", "a", "b"})) << "duplicates run twice and disconnect together";

    // Duplicating onto the same receiver copies only what was there at the
    // start (or it never ends); onto another, the copies follow its lifetime.
    log.clear();
    signal.slotDuplicate(&b, &b);
    {
        Recorder copy(log, "copy");
        signal.slotDuplicate(&b, &copy);
        signal.emit();
    }
    signal.emit();
    EXPECT_EQ(log, (Log{"b", "b", "copy", "copy", "b", "b"}));
}

TEST(Signal, SlotsMayConnectDisconnectAndDestroyEitherSideDuringEmissions)
{
    Log log;
    auto* signal = new Signal;
    Signal other;
    Recorder a(log, "a");
    Recorder tail(log, "tail");
    auto* doomed = new Recorder(log, "doomed");
    auto* self = new Recorder(log, "self");
    int depth = 0;
    // Inside a nested emission, a disconnects itself and destroys another
    // receiver; the disconnected nodes stay linked until the outermost ends.
    a.action = [&] {
        if (++depth == 1) {
            other.emit();
            return;
        }
        other.slotDisconnect(&a);
        delete doomed;
        other.connect(&tail, &Recorder::ping);
    };
    self->action = [&] { delete self; };
    for (Recorder* receiver : {&a, doomed, self}) {
        other.connect(receiver, &Recorder::ping);
        signal->connect(receiver, &Recorder::ping);
    }
    other.emit();
    EXPECT_EQ(log, (Log{"a", "a", "self", "tail", "tail"}));
    EXPECT_FALSE(a.removeSender(&other)) << "a receiver forgets a signal that disconnected it";

    // Deep inside nested emissions a slot destroys the signal: every running
    // emission stops without touching it, and its receivers forget it.
    log.clear();
    depth = 0;
    signal->connect(&tail, &Recorder::ping);
    a.action = [&] {
        if (++depth == 1)
            signal->emit();
        else
            delete signal;
    };
    signal->emit();
    a.action = nullptr;
    other.emit();
    EXPECT_EQ(log, (Log{"a", "a", "tail"}));
}

TEST(Signal, EmissionsAndConnectionsFromSeveralThreadsStaySerialised)
{
    // The slots append to unguarded vectors: only the signal's lock keeps
    // them whole (ASan reports any overlap).
    Log log, other;
    Recorder a(log, "a");
    Recorder b(other, "b");
    Signal signal;
    signal.connectWithArg(&a, &Recorder::value);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 500; ++i)
                signal.emitValue(1);
        });
    for (int i = 0; i < 200; ++i) {
        signal.connect(&b, &Recorder::ping);
        signal.slotDisconnect(&b);
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(log.size(), 2000u);
}
