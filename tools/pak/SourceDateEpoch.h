#pragma once

#include "foundation/time/DateTime.h"

// The time a reproducible build asks for through SOURCE_DATE_EPOCH, from
// the variable's text: seconds since 1970-01-01 00:00 UTC, in decimal digits
// only, as a UTC DateTime. The null DateTime for no text and for a text
// that is empty, holds anything but digits (a sign, blanks) or counts past
// the last second of 9999, which a stamp cannot hold.
DateTime sourceDateEpochTime(const char* text);
