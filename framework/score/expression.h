// FCExpression: an expression placed in the score, numbered by its measure
// and inci, as far as it points to its text expression definition.
#pragma once

#include "framework/data/fixed_size_record.h"
#include "framework/data/record_families.h"
#include "framework/score/expression_layout.h"

class FCTextExpressionDef;

class FCExpression : public FixedSizeRecord<FCExpression, __FCInciOther, expression_record::kSize> {
public:
    const char* ClassName() const override { return "FCExpression"; }
    unsigned long Tag() override { return expression_record::kTag; }

    // Null for an expression that refers to something other than a text
    // expression; otherwise the definition it names, loaded or not. The
    // caller owns it.
    FCTextExpressionDef* CreateTextExpressionDef();
    // False, and nothing changed, for no definition or one without a number.
    bool AssignTextExpressionDef(FCTextExpressionDef* definition);
};
