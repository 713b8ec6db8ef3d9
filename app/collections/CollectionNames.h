#pragma once

#include "foundation/text/String.h"

// What a new collection may be called and who may be named as its author.
// Both take the text as the user left it in the field; blanks around it do
// not count.

// Letters, digits and blanks inside, at least one character, and never
// "backup" in any case (that folder holds backups, never a collection).
bool isAcceptableCollectionName(const String& typed);
// Letters, digits, blanks and dots; may be empty.
bool isAcceptableCollectionAuthor(const String& typed);
