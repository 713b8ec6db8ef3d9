#pragma once

class ChunkWriter;
class DataTreeNode;
struct Loaner;

// The LNER node of a collection file: a loaner and the loans made to them.
class LoanerChunk
{
public:
    static void write(const Loaner& loaner, ChunkWriter& out);
    static void read(const DataTreeNode& node, Loaner& loaner);
};
