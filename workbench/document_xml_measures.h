// The measure and cell elements of the workbench's document format.
#pragma once

#include <tinyxml2.h>

#include "workbench/score_description.h"
#include "workbench/xml_element_reader.h"

namespace workbench {

// <measures>: a run of equal measures.
bool ReadMeasures(ElementReader& reader, const tinyxml2::XMLElement* element, ScoreDescription* score);
// <cell>: a staff in one or more measures, with a key of its own and the
// music of its layers.
bool ReadCell(ElementReader& reader, const tinyxml2::XMLElement* element, ScoreDescription* score);

}  // namespace workbench
