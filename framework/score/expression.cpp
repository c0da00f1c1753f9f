// Placed expressions and the text expression definitions they name.
#include "framework/score/expression.h"

#include "framework/score/text_expression_def.h"
#include "host/record_bytes.h"

FCTextExpressionDef* FCExpression::CreateTextExpressionDef()
{
    if ((ReadU16(_GetBlock(), expression_record::kFlags) & expression_record::kNotTextExpression) != 0) {
        return nullptr;
    }
    auto* definition = new FCTextExpressionDef;
    definition->Load(ReadU16(_GetBlock(), expression_record::kDefinition));
    return definition;
}

bool FCExpression::AssignTextExpressionDef(FCTextExpressionDef* definition)
{
    if (definition == nullptr || definition->GetItemNo() == 0) {
        return false;
    }
    WriteU16(_GetBlock(), expression_record::kDefinition, static_cast<unsigned short>(definition->GetItemNo()));
    unsigned short flags = ReadU16(_GetBlock(), expression_record::kFlags);
    Set16BitFlag(&flags, expression_record::kNotTextExpression, false);
    WriteU16(_GetBlock(), expression_record::kFlags, flags);
    return true;
}
