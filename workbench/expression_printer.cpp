// Printing expression categories, text expression definitions and placed
// expressions read back from their records.
#include "host/record_bytes.h"
#include "workbench/document_printer.h"
#include "workbench/host_layouts.h"
#include "workbench/output.h"

namespace workbench {
namespace {

namespace ted = text_expression_def;

const char* const kMarkStyles[] = {"letters", "letters and numbers", "lower-case letters",
                                   "lower-case letters and numbers", "numbers", "measure numbers"};

std::string Definition(const Bytes& bytes)
{
    const unsigned char* data = bytes.data();
    unsigned style = ReadU16(data, ted::kRehearsalMarkStyle);
    unsigned category = ReadU16(data, ted::kCategory);
    std::string text = "text expression definition: text block " + std::to_string(ReadU16(data, ted::kTextBlock));
    if (style >= ted::kMarkLetters && style <= ted::kMarkMeasureNumber) {
        text += ", rehearsal marks in " + std::string(kMarkStyles[style - 1]);
    }
    text += (ReadU16(data, ted::kFlags) & ted::kHasEnclosure) != 0 ? ", enclosed" : "";
    text += ", category " + std::to_string(category & ted::kCategoryNumber);
    if ((category & ~ted::kCategoryNumber) != 0) {
        text += " (high bits " + Hex(category & ~ted::kCategoryNumber, 4) + ")";
    }
    text += " with values";
    for (const category_def::CopiedValue& value : category_def::kCopiedToDefinition) {
        text += " " + std::to_string(ReadS16(data, value.definition));
    }
    // The description ends at its NUL or at the record's end.
    std::string description;
    for (size_t i = ted::kDescription; i < bytes.size() && bytes[i] != 0; ++i) {
        description += static_cast<char>(bytes[i]);
    }
    return text + ", description " + Quoted(description);
}

}  // namespace

std::string DecodeExpressionRecord(unsigned long tag, const Bytes& bytes)
{
    const unsigned char* data = bytes.data();
    if (tag == ted::kTag && bytes.size() >= static_cast<size_t>(ted::kMinSize)) {
        return Definition(bytes);
    }
    if (tag == category_def::kTag && bytes.size() >= static_cast<size_t>(category_def::kSize)) {
        return "category: font " + std::to_string(ReadS16(data, category_def::kFontNumber)) + " size " +
               std::to_string(ReadS16(data, category_def::kFontSize)) + " effects " +
               Hex(ReadU16(data, category_def::kFontEffects), 4) + ", alignment " +
               std::to_string(ReadS16(data, category_def::kVerticalAlignment)) + ", offsets " +
               std::to_string(ReadS16(data, category_def::kHorizontalOffset)) + " and " +
               std::to_string(ReadS16(data, category_def::kVerticalOffset));
    }
    if (tag == expression_record::kTag && bytes.size() >= static_cast<size_t>(expression_record::kSize)) {
        bool shape = (ReadU16(data, expression_record::kFlags) & expression_record::kNotTextExpression) != 0;
        return std::string("expression: ") + (shape ? "shape " : "text expression definition ") +
               std::to_string(ReadU16(data, expression_record::kDefinition));
    }
    if (tag == enclosure_record::kTag && bytes.size() == static_cast<size_t>(enclosure_record::kSize)) {
        return "enclosure:" + HexBytes(bytes);
    }
    return std::string();
}

}  // namespace workbench
