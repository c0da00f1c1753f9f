// The workbench's own document format (root element <document>), read into a
// score description.
#pragma once

#include <tinyxml2.h>

#include "workbench/score_description.h"
#include "workbench/xml_element_reader.h"

namespace workbench {

bool IsWorkbenchDocument(const tinyxml2::XMLDocument& xml);
// On failure, `reader` holds the message.
bool ReadWorkbenchDocument(const tinyxml2::XMLDocument& xml, ElementReader& reader, ScoreDescription* score);

}  // namespace workbench
