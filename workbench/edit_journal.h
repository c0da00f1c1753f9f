// Edit blocks: the records an open block changed, as they were before, so
// that a cancelled block can put them back and an ended one becomes an undo
// step of its document.
#pragma once

#include <string>
#include <vector>

#include "workbench/document.h"

namespace workbench {

class EditJournal {
public:
    // Blocks nest; each belongs to the document that was current when it
    // was opened.
    void Start(Document* document, const std::string& name);
    // Closes the innermost block. Its changes join the document's enclosing
    // block, or, in the outermost block, mark the document changed and are
    // kept as an undo step when they changed anything. False when none is open.
    bool End();
    // Closes the innermost block and puts back every record it changed.
    bool Cancel();
    int Depth() const { return static_cast<int>(_blocks.size()); }
    void Clear() { _blocks.clear(); }

    // The document store's change observer: the record as it was before.
    void Changing(Document* document, const RecordId& id, const Bytes* before);

    // Undoes the document's last undo step; refused while a block of the
    // document is open.
    bool Undo(Document* document);

private:
    struct Block {
        Document* document;
        std::string name;
        RecordImages before;
    };
    Block* Innermost(Document* document);

    std::vector<Block> _blocks;
};

}  // namespace workbench
