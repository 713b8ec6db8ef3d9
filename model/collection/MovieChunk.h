#pragma once

class DataTreeNode;
class Movie;

// The MOV_ node of a collection file: one movie with its cast, crew, covers,
// links and episodes.
class MovieChunk
{
public:
    static void write(const Movie& movie, DataTreeNode& node);
    // Fills a fresh movie; whatever the node lacks keeps the movie's default.
    static void read(const DataTreeNode& node, Movie& movie);
};
