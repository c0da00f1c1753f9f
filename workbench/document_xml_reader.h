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

// Elements read in files of their own (document_xml_<concern>.cpp).
bool ReadMeasureNumbers(ElementReader& reader, const tinyxml2::XMLElement* element, ScoreDescription* score);
bool ReadCategory(ElementReader& reader, const tinyxml2::XMLElement* element, ScoreDescription* score);
bool ReadTextExpression(ElementReader& reader, const tinyxml2::XMLElement* element, ScoreDescription* score);
bool ReadExpression(ElementReader& reader, const tinyxml2::XMLElement* element, ScoreDescription* score);
// An <enclosure>: the host's twelve bytes in hexadecimal.
bool ReadEnclosure(ElementReader& reader, const tinyxml2::XMLElement* element, Bytes* bytes);
// Readers of single elements that live in files of their own
// (document_xml_<concern>.cpp), for the element table of the format.
bool ReadPart(ElementReader& reader, const tinyxml2::XMLElement* element, ScoreDescription* score);
// Readers of elements that live in files of their own, for the element table.
// document_xml_groups.cpp:
bool ReadStaffOrder(ElementReader& reader, const tinyxml2::XMLElement* element, ScoreDescription* score);
bool ReadGroup(ElementReader& reader, const tinyxml2::XMLElement* element, ScoreDescription* score);
// document_xml_texts.cpp:
bool ReadTextRepeat(ElementReader& reader, const tinyxml2::XMLElement* element, ScoreDescription* score);
bool ReadPlacedTextRepeat(ElementReader& reader, const tinyxml2::XMLElement* element, ScoreDescription* score);
bool ReadPageText(ElementReader& reader, const tinyxml2::XMLElement* element, ScoreDescription* score);

}  // namespace workbench
