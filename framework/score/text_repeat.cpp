// Text repeat definitions with their texts, and the repeats that name them.
#include "framework/score/text_repeat.h"

#include <memory>

#include "framework/data/string.h"
#include "host/record_bytes.h"

bool FCTextRepeatDef::DeepDeleteData()
{
    _DeleteText();
    return DeleteData();
}

bool FCTextRepeatDef::LoadFirst()
{
    if (!Load(1)) {
        return false;
    }
    std::unique_ptr<FCString> text(CreateTextString());
    return text->GetLength() > 0;
}

bool FCTextRepeatDef::DeepSaveAs(unsigned short item)
{
    std::unique_ptr<FCString> text(CreateTextString());
    _SaveTextAs(text.get(), item);
    return SaveAs(item);
}

FCString* FCTextRepeatDef::CreateTextString()
{
    FCTextRepeatText text;
    text.Load(GetItemNo());
    return text.CreateString();
}

bool FCTextRepeatDef::_SaveTextAs(FCString* text, unsigned short item)
{
    FCTextRepeatText record;
    record.SetText(text);
    return record.SaveAs(static_cast<short>(item));
}

bool FCTextRepeatDef::_DeleteText()
{
    FCTextRepeatText text;
    return text.Load(GetItemNo()) && text.DeleteData();
}

unsigned short FCTextRepeat::GetTextRepeatDefID() const
{
    return ReadU16(_GetBlock(), text_repeat_record::kDefinition);
}

void FCTextRepeat::SetTextRepeatDefID(unsigned short item)
{
    WriteU16(_GetBlock(), text_repeat_record::kDefinition, item);
}

bool FCTextRepeat::AssignTextRepeatDef(FCTextRepeatDef* definition)
{
    if (definition == nullptr || definition->GetItemNo() == 0) {
        return false;
    }
    SetTextRepeatDefID(static_cast<unsigned short>(definition->GetItemNo()));
    return true;
}

FCTextRepeatDef* FCTextRepeat::CreateTextRepeatDef()
{
    auto* definition = new FCTextRepeatDef;
    definition->Load(GetTextRepeatDefID());
    return definition;
}
