#include "app/views/ViewStepping.h"

int steppedIndex(int current, int count, bool forward)
{
    if (count <= 0)
        return -1;
    if (current < 0 || current >= count)
        return 0;
    int next = forward ? current + 1 : current - 1;
    return next >= 0 && next < count ? next : -1;
}
