// Building expression categories, text expression definitions with their
// texts and enclosures, and the expressions placed in measures.
#include <algorithm>
#include <map>

#include "host/record_bytes.h"
#include "workbench/document_queries.h"
#include "workbench/host_layouts.h"
#include "workbench/record_building.h"

namespace workbench {
namespace {

namespace ted = text_expression_def;

bool BuildCategories(BuildContext& context)
{
    ItemNumbers numbers("category", ted::kCategoryNumber);
    for (CategoryDescription& category : context.score.categories) {
        if (!numbers.Assign(context, category.line, &category.number)) {
            return false;
        }
        Bytes record(category_def::kSize, 0);
        if (category.font) {
            short font = FontNumber(context.document, category.font->name.c_str());
            if (font == 0) {
                return context.Fail(category.line, "font \"" + category.font->name +
                                                       "\" is not one of the document's <font> elements");
            }
            WriteU16(record.data(), category_def::kFontNumber, static_cast<unsigned>(font));
            WriteU16(record.data(), category_def::kFontSize, static_cast<unsigned>(category.font->size));
            WriteU16(record.data(), category_def::kFontEffects, static_cast<unsigned>(category.font->effects));
        }
        WriteU16(record.data(), category_def::kVerticalAlignment, static_cast<unsigned>(category.alignment));
        WriteU16(record.data(), category_def::kHorizontalOffset, static_cast<unsigned>(category.horizontalOffset));
        WriteU16(record.data(), category_def::kVerticalOffset, static_cast<unsigned>(category.verticalOffset));
        context.Put(category_def::kTag, RecordKey::FromNumbers(static_cast<unsigned>(category.number)),
                    std::move(record));
    }
    return true;
}

bool BuildTextExpressions(BuildContext& context)
{
    ItemNumbers numbers("textExpression", 32767);
    for (TextExpressionDescription& definition : context.score.textExpressions) {
        if (!numbers.Assign(context, definition.line, &definition.number)) {
            return false;
        }
        const RecordKey key = RecordKey::FromNumbers(static_cast<unsigned>(definition.number));
        // The description runs on from its place in the fixed part.
        Bytes record(ted::kMinSize + definition.description.size(), 0);
        unsigned char* bytes = record.data();
        WriteU16(bytes, ted::kTextBlock, context.PutTextBlock(ted::kRawTextKind, definition.text));
        WriteU16(bytes, ted::kRehearsalMarkStyle, definition.rehearsalMark);
        if (!definition.enclosure.empty()) {
            WriteU16(bytes, ted::kFlags, ted::kHasEnclosure);
            context.Put(enclosure_record::kTag, key, definition.enclosure);
        }
        if (definition.category != 0) {
            const Bytes* category = context.document.records.Find(
                category_def::kTag, RecordKey::FromNumbers(static_cast<unsigned>(definition.category)));
            if (category == nullptr) {
                return context.Fail(definition.line, "<textExpression> category " +
                                                          std::to_string(definition.category) + " is not defined");
            }
            WriteU16(bytes, ted::kCategory, static_cast<unsigned>(definition.category));
            for (const category_def::CopiedValue& value : category_def::kCopiedToDefinition) {
                WriteU16(bytes, value.definition, ReadU16(category->data(), value.category));
            }
        }
        std::copy(definition.description.begin(), definition.description.end(), bytes + ted::kDescription);
        context.Put(ted::kTag, key, std::move(record));
    }
    return true;
}

bool BuildPlacedExpressions(BuildContext& context)
{
    const int measures = MeasureCount(context.document);
    std::map<long, unsigned> incis;  // the next inci of each measure
    for (const PlacedExpressionDescription& expression : context.score.expressions) {
        if (expression.measure > measures) {
            return context.Fail(expression.line, "<expression> measure " + std::to_string(expression.measure) +
                                                     " is beyond the " + std::to_string(measures) + " measures");
        }
        if (!expression.shape &&
            !context.document.records.Contains(ted::kTag,
                                               RecordKey::FromNumbers(static_cast<unsigned>(expression.definition)))) {
            return context.Fail(expression.line, "<expression> definition " +
                                                     std::to_string(expression.definition) + " is not defined");
        }
        Bytes record(expression_record::kSize, 0);
        WriteU16(record.data(), expression_record::kDefinition, static_cast<unsigned>(expression.definition));
        WriteU16(record.data(), expression_record::kFlags, expression.shape ? expression_record::kNotTextExpression : 0);
        context.Put(expression_record::kTag,
                    RecordKey::FromNumbers(static_cast<unsigned>(expression.measure), incis[expression.measure]++),
                    std::move(record));
    }
    return true;
}

}  // namespace

bool BuildExpressions(BuildContext& context)
{
    return BuildCategories(context) && BuildTextExpressions(context) && BuildPlacedExpressions(context);
}

}  // namespace workbench
