// Text repeat definitions, their texts and the repeats placed in the score by
// byte offset: what FCTextRepeatDef, FCTextRepeatText and FCTextRepeat read
// and write and the workbench host builds.
#pragma once

namespace text_repeat_def {
constexpr unsigned long kTag = 0x534F5253;  // S, O, R, S
constexpr int kSize = 16;
}  // namespace text_repeat_def

// The definition's text: a raw text numbered like its definition.
namespace text_repeat_text {
constexpr unsigned long kTag = 0x6F735254;  // o, s, R, T
}  // namespace text_repeat_text

// A repeat placed in a measure: the measure is the comparison number, the
// repeat's place among the measure's repeats the inci.
namespace text_repeat_record {
constexpr unsigned long kTag = 0x6F745250;  // o, t, R, P
constexpr int kSize = 12;
constexpr int kDefinition = 6;  // item number of the text repeat definition
}  // namespace text_repeat_record
