// The host's percussion note type table: a stamp line, then entry lines of
// up to eight comma-separated fields, read once into _PercussionNoteTypes.
#include <cstdlib>
#include <memory>
#include <string>
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

// A field is the units [start, end) of its line.
struct Field {
    int start = 0;
    int end = 0;
};

// The line's fields, untrimmed; an eighth comma ends the entry, and fields
// beyond the last comma stay empty.
void SplitFields(const FCString& line, Field fields[kEntryFields])
{
    int field = 0;
    int start = 0;
    for (int i = 0; i <= line.GetLength() && field < kEntryFields; ++i) {
        if (i < line.GetLength() && line.GetItemAt(i) != ',') {
            continue;
        }
        fields[field++] = Field{start, i};
        start = i + 1;
    }
}

// The field read as FCString::GetInteger reads it (its units narrowed to
// bytes, then atoi), without a string made for each field.
int FieldInteger(const FCString& line, Field field, std::string* bytes)
{
    bytes->clear();
    for (int i = field.start; i < field.end; ++i) {
        bytes->push_back(static_cast<char>(line.GetItemAt(i) & 0xFF));
    }
    return std::atoi(bytes->c_str());
}

FCPercNoteType* CreateNoteType(const FCString& line, std::string* bytes)
{
    Field fields[kEntryFields];
    SplitFields(line, fields);
    auto* entry = new FCPercNoteType;
    entry->typeNumber = static_cast<unsigned short>(FieldInteger(line, fields[0], bytes));
    entry->column2 = FieldInteger(line, fields[1], bytes);
    const Field name = fields[2];
    if (name.end > name.start) {
        entry->name._ExpandStorageIfNecessary(name.end - name.start);
    }
    for (int i = name.start; i < name.end; ++i) {
        entry->name.Append(line.GetItemAt(i));
    }
    entry->column4 = FieldInteger(line, fields[3], bytes);
    entry->generalMidiNote = FieldInteger(line, fields[4], bytes);
    entry->column6 = FieldInteger(line, fields[5], bytes);
    entry->column7 = FieldInteger(line, fields[6], bytes);
    entry->column8 = FieldInteger(line, fields[7], bytes);
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
    std::string bytes;
    for (const FCString* line : entries) {
        _PercussionNoteTypes.Add(CreateNoteType(*line, &bytes));
    }
    return true;
}
