// The note list's five sorting orders and the setting that remembers the
// chosen one.
#pragma once

#include "framework/data/collection.h"

constexpr int kSortingOrderCount = 5;
extern const char* const _SortingOrderDescriptions[kSortingOrderCount];

struct FCGlobalUserSettings {
    int sortingOrder;  // 0 to 4; -1 when the pop-up had no selection
};
extern FCGlobalUserSettings _GlobalUserSettings;

// Compares two FCPercussionNoteInfo by the current sorting order.
class FCPercussionNoteListSorter : public FCIteratorHandler {
public:
    int Compare(__FCBase* a, __FCBase* b) override;
};
