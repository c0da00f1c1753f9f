// The score and the linked parts of a document in the host's order: what the
// part services, the printout and the main window share.
#pragma once

#include "workbench/document.h"

namespace workbench {

// The name the host gives the score (part ID 0).
extern const char kScoreName[];

// The part's name as the document keeps it; null for an ID it lacks.
const char* PartName(const Document& document, int id);
// The ID after `id` in the host's order: the score, then the linked parts in
// the file's order. -1 after the last and for an ID the document lacks.
int NextPartID(const Document& document, int id);
// False, changing nothing, for an ID the document lacks.
bool SetCurrentPart(Document& document, int id);

}  // namespace workbench
