#pragma once

#include "foundation/containers/List.h"

class Movie;

// Calls visit with every movie of the list in order. Once a collection has
// been sorted its movies lie in memory in no particular order, so the field
// that visit reads first is asked from memory a few movies ahead, and the
// waits for several movies overlap instead of adding up.
template <typename Field, typename Visit>
void walkMovies(const List<Movie*>& movies, Field Movie::*field, Visit visit)
{
    const int kLookAhead = 8;
    const List<Movie*>::Node* ahead = movies.first();
    for (int i = 0; i < kLookAhead && ahead; ++i)
        ahead = ahead->next;
    for (const List<Movie*>::Node* node = movies.first(); node; node = node->next) {
        if (ahead) {
            // A hint only: it changes no result.
            __builtin_prefetch(&(ahead->value->*field));
            ahead = ahead->next;
        }
        visit(*node->value);
    }
}
