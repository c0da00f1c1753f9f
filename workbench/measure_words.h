// The words documents and printouts use for the codes of the measure record:
// a word's place in its list is its code.
#pragma once

#include <initializer_list>

namespace workbench {

// Barline styles 0 to 6, right and left.
inline const std::initializer_list<const char*> kBarlineWords = {"default", "none",   "normal", "double",
                                                                 "final",   "dashed", "thick"};
// Show states of the key and time signatures.
inline const std::initializer_list<const char*> kShowWords = {"ifNeeded", "always", "never"};
// Note positioning modes; mode 1 is the record's code 0.
inline const std::initializer_list<const char*> kPositioningWords = {"manual", "timeSignature", "beatChart"};
// A key's mode in the high byte of the key word.
inline const std::initializer_list<const char*> kModeWords = {"major", "minor"};

}  // namespace workbench
