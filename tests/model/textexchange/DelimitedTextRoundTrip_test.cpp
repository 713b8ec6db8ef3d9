// A generated collection plus hostile titles exported with every delimiter
// and qualifier, imported into an empty collection and exported again must
// give the same bytes. Without a qualifier only the titles whose lines the
// detection takes can come back, so only those are exported.
#include <gtest/gtest.h>

#include "model/CollectionModel.h"
#include "model/collection/CollectionHeader.h"
#include "model/records/Movie.h"
#include "model/textexchange/DelimitedTextReader.h"
#include "model/textexchange/DelimitedTextWriter.h"
#include "samples/SampleCollection.h"
#include "tests/model/collection/CollectionTestSupport.h"

#include <string>

using collectiontest::Workspace;

namespace {

const char16_t* const kHostileTitles[] = {
    u"\"Quoted\"",
    u"\"",
    u"\"\"",
    u"'",
    u"''Twice''",
    u"It's",
    u"Say \"Hi\"",
    u"x\"",
    u"\"x",
    u"a\",\"b",
    u"a';'b",
    u"a\" \"b",
    u"a\",",
    u"Comma, Semicolon; Space",
    u"Trailing,",
    u";Leading",
    u"Year,1999",
    u"Zero 0",
    u"Tab\tinside",
    u"\u00dcn\u00efc\u00f6d\u00e9 \u0421\u0442\u0440\u0430\u0445 \u6771\u4eac",
    u"\U0001F600 Emoji \U0001D11E",
};

class Collection
{
public:
    Collection()
    {
        CollectionHeader header;
        LoanerList loaners;
        SampleCollection(47).make(1000, header, m_movies, loaners);
        int year = -1;
        for (const char16_t* title : kHostileTitles) {
            Movie* movie = new Movie;
            movie->title = String(title);
            movie->year = year;
            year = year == -1 ? 0 : 1900 + year * 7 % 120;
            m_movies.append(movie);
        }
    }
    ~Collection()
    {
        for (Movie* movie : m_movies)
            delete movie;
    }
    // Those whose lines come back in this format.
    List<Movie*> exportable(const DelimitedTextFormat& format) const
    {
        List<Movie*> result;
        for (Movie* movie : m_movies) {
            DelimitedTextReader reader(format.line(movie->title, movie->year));
            if (format.isQualified() || reader.detect() == format)
                result.append(movie);
        }
        return result;
    }

private:
    List<Movie*> m_movies;
};

int importInto(CollectionModel& model, const String& path)
{
    DelimitedTextReader reader(String::fromTextFile(path, 3));
    NewMovieRecordList records;
    int read = reader.read(reader.detect(), records);
    for (const NewMovieRecord& record : records)
        model.addMovie(record);
    return read;
}

} // namespace

TEST(DelimitedTextRoundTrip, GeneratedAndHostileTitlesComeBackByteForByte)
{
    Workspace space;
    Collection collection;
    for (int delimiter = 0; delimiter < DelimitedTextFormat::kChoiceCount; ++delimiter) {
        for (int qualifier = 0; qualifier < DelimitedTextFormat::kChoiceCount; ++qualifier) {
            const DelimitedTextFormat format(delimiter, qualifier);
            const std::string name = "Import" + std::to_string(delimiter) + std::to_string(qualifier);
            SCOPED_TRACE(name);
            const List<Movie*> movies = collection.exportable(format);
            ASSERT_GT(movies.count(), 1000) << "most hostile titles take part";
            ASSERT_TRUE(
                DelimitedTextWriter::text(movies, format).saveToFile(space.path(name + ".txt"), 3, false));

            CollectionFile creator(space.folder());
            ASSERT_TRUE(creator.create(iotest::toPath(name), String(u"tester"), String()));
            CollectionModel model(space.folder());
            ASSERT_TRUE(model.openCollection(creator.filePathFor(iotest::toPath(name))));
            DelimitedTextReader reader(String::fromTextFile(space.path(name + ".txt"), 3));
            EXPECT_TRUE(reader.detect() == format);
            EXPECT_EQ(importInto(model, space.path(name + ".txt")), movies.count());
            ASSERT_EQ(model.movieCount(), movies.count());

            ASSERT_TRUE(DelimitedTextWriter::text(model.movies(), format)
                            .saveToFile(space.path(name + "-again.txt"), 3, false));
            EXPECT_EQ(space.bytes(name + ".txt"), space.bytes(name + "-again.txt"));
            EXPECT_TRUE(model.closeCollection());
        }
    }
}
