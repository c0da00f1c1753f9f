// The host's percussion note type table: a stamp line, then entry lines of
// up to eight comma-separated fields, read once into _PercussionNoteTypes.
#include <memory>
#include <vector>

#include "framework/streams/file_stream.h"
#include "host/service_wrappers.h"
#include "tool/block_handler.h"

namespace {

constexpr long kNoteTypeFilePath = 14;
constexpr int kStampLength = 10;
constexpr int kEntryMinimumCommas = 4;
constexpr int kEntryFields = 8;

bool IsStamp(const FCString& line)
{
    return line.GetLength() == kStampLength && line.IsAllDigits();
}

int CommaCount(const FCString& line)
{
    int commas = 0;
    for (int i = 0; i < line.GetLength(); ++i) {
        commas += line.GetItemAt(i) == ',' ? 1 : 0;
    }
    return commas;
}

// The line's fields, untrimmed; an eighth comma ends the entry. Each field is
// copied whole into room made once, so a long field costs its length only.
void SplitFields(const FCString& line, FCString fields[kEntryFields])
{
    int field = 0;
    int start = 0;
    for (int i = 0; i <= line.GetLength() && field < kEntryFields; ++i) {
        if (i < line.GetLength() && line.GetItemAt(i) != ',') {
            continue;
        }
        if (i > start) {
            fields[field]._ExpandStorageIfNecessary(i - start);
        }
        for (int unit = start; unit < i; ++unit) {
            fields[field].Append(line.GetItemAt(unit));
        }
        ++field;
        start = i + 1;
    }
}

FCPercNoteType* CreateNoteType(const FCString& line)
{
    FCString fields[kEntryFields];
    SplitFields(line, fields);
    auto* entry = new FCPercNoteType;
    entry->typeNumber = static_cast<unsigned short>(fields[0].GetInteger());
    entry->column2 = fields[1].GetInteger();
    entry->name.SetString(&fields[2]);
    entry->column4 = fields[3].GetInteger();
    entry->generalMidiNote = fields[4].GetInteger();
    entry->column6 = fields[5].GetInteger();
    entry->column7 = fields[6].GetInteger();
    entry->column8 = fields[7].GetInteger();
    return entry;
}

}  // namespace

bool FCDrumwellBlockHandler::ReadPercNoteTypesFile()
{
    if (_PercussionNoteTypes.GetCount() > 0) {
        return true;
    }
    FinPathSpec2009 path = {};
    if (FX_GetFinalePath(kNoteTypeFilePath, &path, kFinaleInterfaceVersion) == 0) {
        return false;
    }
    FCString fullPath;
    if (!fullPath.MakeFullFilePath(&path)) {
        return false;
    }
    int slash = fullPath.GetLength() - 1;
    while (slash >= 0 && fullPath.GetItemAt(slash) != '\\') {
        --slash;
    }
    if (slash < 0 || slash == fullPath.GetLength() - 1) {
        return false;
    }
    FCString folder;
    FCString fileName;
    for (int i = 0; i < fullPath.GetLength(); ++i) {
        if (i < slash) {
            folder.Append(fullPath.GetItemAt(i));
        } else if (i > slash) {
            fileName.Append(fullPath.GetItemAt(i));
        }
    }

    FCTextFileStream stream(folder.GetCString(), &fileName);
    if (!stream.OpenFile("r")) {
        return false;
    }
    std::unique_ptr<FCStrings> lines(stream.ReadStrings());
    if (lines == nullptr) {
        return false;
    }
    std::vector<const FCString*> entries;
    for (int i = 0; i < lines->GetCount(); ++i) {
        FCString* line = lines->GetItemAt(i);
        line->TrimWhitespace();
        if (i == 0) {
            if (!IsStamp(*line)) {
                return false;
            }
            continue;
        }
        if (line->IsDigit(0) && CommaCount(*line) >= kEntryMinimumCommas) {
            entries.push_back(line);
        }
    }
    // One array for the table, as large as adding the entries one by one leaves it.
    _PercussionNoteTypes._RequireElement(static_cast<int>(entries.size()) - 1);
    for (const FCString* line : entries) {
        _PercussionNoteTypes.Add(CreateNoteType(*line));
    }
    return true;
}
