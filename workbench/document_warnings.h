// What a document names that its files lack: a MIDI map whose file is
// missing or holds no note name list of that name, a layout note whose note
// type the note type table lacks. Such a document still opens (a plug-in
// must cope with it); the warnings tell a user why a report shows gaps.
#pragma once

#include <string>
#include <vector>

#include "workbench/score_description.h"

namespace workbench {

// One "FILE:LINE: warning: ..." a finding, FILE being `fileName`.
std::vector<std::string> DocumentWarnings(const ScoreDescription& score, const std::string& fileName);

}  // namespace workbench
