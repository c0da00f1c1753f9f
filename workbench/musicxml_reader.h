// MusicXML scores (root <score-partwise> or <score-timewise>) read into a
// score description: parts become staves, percussion parts percussion
// layouts with made MIDI maps, and the measures come along.
#pragma once

#include <tinyxml2.h>

#include "workbench/score_description.h"
#include "workbench/xml_element_reader.h"

namespace workbench {

bool IsMusicXml(const tinyxml2::XMLDocument& xml);
// On failure, `reader` holds the message.
bool ReadMusicXml(const tinyxml2::XMLDocument& xml, ElementReader& reader, ScoreDescription* score);

}  // namespace workbench
