#include "model/collection/LoanerChunk.h"

#include "foundation/data/DataTree.h"
#include "model/collection/ChunkValues.h"
#include "model/records/Loaner.h"

void LoanerChunk::write(const Loaner& loaner, DataTreeNode& node)
{
    DataTreeNode* loans = node.addChild("LONS");
    for (const Loan& loan : loaner.loans) {
        DataTreeNode* child = loans->addChild("LOAN");
        ChunkValues::writeInt(*child, "MVID", loan.movieId);
        ChunkValues::writeDate(*child, "LNDT", loan.lendDate);
        ChunkValues::writeDate(*child, "DUDT", loan.dueDate);
        ChunkValues::writeDate(*child, "RNDT", loan.returnDate);
        ChunkValues::writeText(*child, "NOTS", loan.notes);
    }
    ChunkValues::writeText(node, "NAME", loaner.name);
    ChunkValues::writeText(node, "ADRS", loaner.address);
    ChunkValues::writeText(node, "EMAL", loaner.email);
    ChunkValues::writeText(node, "PHON", loaner.phone);
    ChunkValues::writeText(node, "CMTS", loaner.comments);
}

// A loan stays even when its movie is not in the collection: the windows that
// show loans cope with a missing movie, and dropping it would lose the record.
void LoanerChunk::read(const DataTreeNode& node, Loaner& loaner)
{
    loaner.name = ChunkValues::readText(node, "NAME");
    loaner.address = ChunkValues::readText(node, "ADRS");
    loaner.email = ChunkValues::readText(node, "EMAL");
    loaner.phone = ChunkValues::readText(node, "PHON");
    loaner.comments = ChunkValues::readText(node, "CMTS");
    const DataTreeNode* loans = node.findChild("LONS");
    if (!loans)
        return;
    for (const DataTreeNode* child : loans->children()) {
        Loan& loan = loaner.loans.append(Loan())->value;
        loan.movieId = ChunkValues::readInt(*child, "MVID");
        loan.lendDate = ChunkValues::readDate(*child, "LNDT");
        loan.dueDate = ChunkValues::readDate(*child, "DUDT");
        loan.returnDate = ChunkValues::readDate(*child, "RNDT");
        loan.notes = ChunkValues::readText(*child, "NOTS");
    }
}
