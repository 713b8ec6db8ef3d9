// The id index answers every id as a walk of the list does, across adds,
// removals, reorders and shared ids, and the collection keeps it in step.
#include <gtest/gtest.h>

#include "model/CollectionModel.h"
#include "model/records/Movie.h"
#include "model/records/MovieIdIndex.h"

#include <memory>
#include <string>
#include <vector>

namespace {

Movie* walk(const List<Movie*>& movies, int32_t id)
{
    for (Movie* movie : movies) {
        if (movie->id == id)
            return movie;
    }
    return nullptr;
}

// One step on the list and the index: 'a' appends a movie with the id, 'r'
// removes the first movie with it, 's' swaps the first and the last movie,
// 'f' looks every id up (making the index when it is not made), 'c' empties
// the list.
struct Step
{
    char op;
    int32_t id;
};

class Steps
{
public:
    ~Steps()
    {
        for (Movie* movie : m_movies)
            delete movie;
    }

    void run(const Step& step)
    {
        if (step.op == 'a') {
            auto* movie = new Movie;
            movie->id = step.id;
            m_movies.append(movie);
            m_index.added(movie);
        } else if (step.op == 'r') {
            for (List<Movie*>::Node* node = m_movies.first(); node; node = node->next) {
                if (node->value->id != step.id)
                    continue;
                m_index.removed(node->value);
                delete node->value;
                m_movies.erase(node);
                break;
            }
        } else if (step.op == 's') {
            m_movies.swapNodes(m_movies.first(), m_movies.last());
        } else if (step.op == 'f') {
            m_index.find(m_movies, step.id);
        } else if (step.op == 'c') {
            for (Movie* movie : m_movies)
                delete movie;
            m_movies.clear();
            m_index.reset();
        }
    }

    // The ids whose answer differs from the walk's.
    std::string mismatches()
    {
        std::string out;
        for (int32_t id = 0; id <= 9; ++id) {
            if (m_index.find(m_movies, id) != walk(m_movies, id))
                out += std::to_string(id) + " ";
        }
        return out;
    }

private:
    List<Movie*> m_movies;
    MovieIdIndex m_index;
};

} // namespace

TEST(MovieIdIndexTest, AnswersAsAWalkOfTheListDoes)
{
    struct Case
    {
        const char* name;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"made at the first find", {{'a', 1}, {'a', 2}, {'a', 3}}},
        {"adds after it was made", {{'a', 1}, {'f', 1}, {'a', 5}, {'a', 7}}},
        {"removals after it was made", {{'a', 1}, {'a', 2}, {'a', 3}, {'f', 1}, {'r', 2}, {'r', 1}}},
        {"a removed id added again", {{'a', 4}, {'f', 4}, {'r', 4}, {'a', 4}}},
        {"a reorder changes nothing of unique ids", {{'a', 1}, {'a', 2}, {'a', 3}, {'f', 1}, {'s', 0}}},
        {"an empty list", {{'f', 1}}},
        {"emptied and filled again", {{'a', 1}, {'f', 1}, {'c', 0}, {'a', 2}}},
        // Shared ids: the first in the list's order, also once reordered
        // or when the first of them leaves.
        {"a shared id added after it was made", {{'a', 3}, {'f', 3}, {'a', 3}, {'s', 0}}},
        {"a shared id when it is made", {{'a', 3}, {'a', 6}, {'a', 3}, {'f', 3}, {'s', 0}}},
        {"the first of a shared id removed", {{'a', 3}, {'a', 3}, {'f', 3}, {'r', 3}}},
        {"emptied after a shared id", {{'a', 3}, {'a', 3}, {'f', 3}, {'c', 0}, {'a', 3}, {'f', 3}, {'a', 8}}},
    };
    for (const Case& c : cases) {
        Steps steps;
        for (const Step& step : c.steps)
            steps.run(step);
        EXPECT_EQ(steps.mismatches(), "") << c.name;
    }
}

TEST(MovieIdIndexTest, TheCollectionKeepsItInStepWithItsMovies)
{
    CollectionModel model(String(u"unused"));
    std::vector<Movie*> added;
    for (int32_t id = 1; id <= 3; ++id) {
        auto* movie = new Movie;
        movie->id = id;
        model.appendMovie(movie);
        added.push_back(movie);
    }
    ASSERT_EQ(model.movieById(2), added[1]);
    auto* late = new Movie;
    late->id = 9;
    model.appendMovie(late);
    EXPECT_EQ(model.movieById(9), late) << "appended after the index was made";
    ASSERT_TRUE(model.removeMovie(added[1]));
    EXPECT_EQ(model.movieById(2), nullptr) << "removed";
    model.sortMovies(SortComparator::kByTitle, 2);
    EXPECT_EQ(model.movieById(1), added[0]);
    EXPECT_EQ(model.movieById(3), added[2]);
    EXPECT_EQ(model.movieById(0), nullptr);
}
