// Counts the heap blocks the test executable holds, so that a test can show
// that a run gives back everything it took.
#pragma once

long LiveAllocations();
