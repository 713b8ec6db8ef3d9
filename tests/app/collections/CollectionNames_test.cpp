// The names a new collection may take and the authors it may name: what the
// New Collection window accepts, and what it refuses with its error sound.
#include "app/collections/CollectionNames.h"

#include <gtest/gtest.h>

namespace {

struct NameCase
{
    const char16_t* typed;
    bool name;
    bool author;
};

} // namespace

TEST(CollectionNames, NamesAndAuthorsAsTyped)
{
    const NameCase cases[] = {
        {u"My Movies 2", true, true},
        {u"  My Movies 2 ", true, true},
        {u"J. Smith", false, true},
        {u"Filme \u00e4\u00f6\u00fc", true, true},
        {u"\u041a\u0438\u043d\u043e", true, true},
        {u"Movies!", false, false},
        {u"my_movies", false, false},
        {u"a,b", false, false},
        {u"a-b", false, false},
        {u"a\\b", false, false},
        {u"a\tb", false, false},
        {u"backup", false, true},
        {u"BACKUP", false, true},
        {u" BackUp ", false, true},
        {u"backups", true, true},
        {u"", false, true},
        {u"   ", false, true},
    };
    for (const NameCase& c : cases) {
        const String typed(c.typed);
        EXPECT_EQ(isAcceptableCollectionName(typed), c.name) << "case " << (&c - cases);
        EXPECT_EQ(isAcceptableCollectionAuthor(typed), c.author) << "case " << (&c - cases);
    }
}
