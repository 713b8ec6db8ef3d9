#include "model/collection/LoanerChunk.h"

#include "foundation/data/DataTree.h"
#include "model/collection/ChunkValues.h"
#include "model/collection/ChunkWriter.h"
#include "model/records/Loaner.h"

namespace {

const uint32_t kLoanerValues = 5;
const uint32_t kLoanValues = 5;

} // namespace

void LoanerChunk::write(const Loaner& loaner, ChunkWriter& out)
{
    out.beginNode("LNER", 1, kLoanerValues);
    out.beginNode("LONS", uint32_t(loaner.loans.count()), 0);
    for (const Loan& loan : loaner.loans) {
        out.beginNode("LOAN", 0, kLoanValues);
        out.writeInt("MVID", loan.movieId);
        out.writeDate("LNDT", loan.lendDate);
        out.writeDate("DUDT", loan.dueDate);
        out.writeDate("RNDT", loan.returnDate);
        out.writeText("NOTS", loan.notes);
        out.endNode();
    }
    out.endNode();
    out.writeText("NAME", loaner.name);
    out.writeText("ADRS", loaner.address);
    out.writeText("EMAL", loaner.email);
    out.writeText("PHON", loaner.phone);
    out.writeText("CMTS", loaner.comments);
    out.endNode();
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
