#pragma once

#include "foundation/containers/List.h"

class LoanerList;
class Movie;
class String;

// Reads the example collection we author as XML ("collection" with "movie"
// and "loaner" elements) into records, numbering the movies from 1 in file
// order; a loan names its movie by that number. False for a file that does
// not read or a loan of a movie that is not there.
bool readExampleSource(const String& path, List<Movie*>& movies, LoanerList& loaners);
