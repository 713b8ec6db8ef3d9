#include "ui/core/events/UITimer.h"

#include "foundation/containers/List.h"
#include "ui/core/events/UITimerBackend.h"
#include "ui/core/events/UITimerClient.h"
#include "ui/core/events/UITimerList.h"

namespace {

using TimerRecord = UITimerRecord;

List<TimerRecord>& records()
{
    return UITimerList::records();
}

List<TimerRecord>::Node* findRecord(const UITimerClient* client, int id)
{
    for (List<TimerRecord>::Node* node = records().first(); node; node = node->next) {
        if (node->value.client == client && node->value.id == id)
            return node;
    }
    return nullptr;
}

void stopAndErase(List<TimerRecord>::Node* node)
{
    UITimerBackend::instance()->stop(node->value.nativeId);
    records().erase(node);
}

} // namespace

bool UITimer::start(UITimerClient* client, int id, uint32_t intervalMs)
{
    if (!client)
        return false;
    if (findRecord(client, id))
        return true;
    uintptr_t nativeId = UITimerBackend::instance()->start(intervalMs);
    if (nativeId == 0)
        return false;
    records().append(TimerRecord{client, id, intervalMs, nativeId});
    return true;
}

void UITimer::kill(const UITimerClient* client, int id)
{
    if (List<TimerRecord>::Node* node = findRecord(client, id))
        stopAndErase(node);
}

int UITimer::killAll(const UITimerClient* client)
{
    int killed = 0;
    List<TimerRecord>::Node* node = records().first();
    while (node) {
        List<TimerRecord>::Node* next = node->next;
        if (node->value.client == client) {
            stopAndErase(node);
            ++killed;
        }
        node = next;
    }
    return killed;
}

bool UITimer::isActive(const UITimerClient* client, int id)
{
    return findRecord(client, id) != nullptr;
}

int UITimer::count()
{
    return records().count();
}

void UITimer::fire(uintptr_t nativeId)
{
    for (List<TimerRecord>::Node* node = records().first(); node; node = node->next) {
        if (node->value.nativeId != nativeId)
            continue;
        // The client may kill this very timer (or all of them) from here, so
        // the record is not read after the call.
        auto* client = const_cast<UITimerClient*>(node->value.client);
        client->timerFired(node->value.id);
        return;
    }
}
