#pragma once

// Previous and next in a view of count entries from the current index c
// (-1 for none): the index to select, or -1 when nothing moves. Without a
// current entry either direction starts at the first.
int steppedIndex(int current, int count, bool forward);
