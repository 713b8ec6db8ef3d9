#pragma once

class ChunkInput;
class ChunkWriter;
class Movie;

// The MOV_ node of a collection file: one movie with its cast, crew, covers,
// links and episodes.
class MovieChunk
{
public:
    static void write(const Movie& movie, ChunkWriter& out);
    // Reads the movie node that starts at the stream's position into a fresh
    // movie, depth being the node's depth below the root. Whatever the node
    // lacks keeps the movie's default. False when the node is damaged; the
    // movie is then only partly filled.
    static bool read(ChunkInput& input, int depth, Movie& movie);
};
