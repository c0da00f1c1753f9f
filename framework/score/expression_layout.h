// Text expression definitions, their categories and placed expressions by
// byte offset: what FCTextExpressionDef, FCCategoryDef and FCExpression read
// and write and the workbench host builds.
#pragma once

namespace text_expression_def {
constexpr unsigned long kTag = 0x534F4454;  // S, O, D, T
constexpr unsigned long kVersion = 0x0F000000;
constexpr int kMinSize = 36;  // the fixed part; the description may run on
constexpr int kTextBlock = 0;
constexpr int kRehearsalMarkStyle = 2;
constexpr int kFlags = 10;
constexpr unsigned kHasEnclosure = 0x0800;  // an enclosure numbered like the definition
constexpr int kCategory = 26;
constexpr unsigned kCategoryNumber = 0x3FFF;  // bits 14-15 are not the category's
constexpr int kDescription = 34;
constexpr unsigned kRawTextKind = 0x7870;  // x, p: the texts' raw texts are txxp
// Rehearsal mark styles; any other value: no rehearsal mark.
constexpr unsigned kMarkLetters = 1;             // A ... Z, AA, BB ...
constexpr unsigned kMarkLetterNumbers = 2;       // A ... Z, A1, B1 ...
constexpr unsigned kMarkLowerLetters = 3;        // a ... z, aa, bb ...
constexpr unsigned kMarkLowerLetterNumbers = 4;  // a ... z, a1, b1 ...
constexpr unsigned kMarkNumbers = 5;             // 1, 2, 3 ...
constexpr unsigned kMarkMeasureNumber = 6;       // as the measure number regions number measure n
}  // namespace text_expression_def

// A category definition, numbered by its item number. The record is ours:
// the six settings a definition takes over when it joins the category.
namespace category_def {
constexpr unsigned long kTag = 0x534F4341;  // S, O, C, A
constexpr int kSize = 12;
constexpr int kFontNumber = 0;  // the text font: number, size, effect bits
constexpr int kFontSize = 2;
constexpr int kFontEffects = 4;
constexpr int kVerticalAlignment = 6;  // the host's alignment rule
constexpr int kHorizontalOffset = 8;
constexpr int kVerticalOffset = 10;

// Where each setting goes in a text expression definition.
struct CopiedValue {
    int category;
    int definition;
};
constexpr CopiedValue kCopiedToDefinition[] = {
    {kFontNumber, 12}, {kFontSize, 14}, {kFontEffects, 16},
    {kVerticalAlignment, 24}, {kHorizontalOffset, 30}, {kVerticalOffset, 32},
};
}  // namespace category_def

// An expression placed in the score: comparison number the measure, then inci.
namespace expression_record {
constexpr unsigned long kTag = 0x534F4459;  // S, O, D, Y
constexpr int kSize = 24;
constexpr int kDefinition = 0;
constexpr int kFlags = 10;
constexpr unsigned kNotTextExpression = 0x2000;  // bytes 0-1 name something else
}  // namespace expression_record
