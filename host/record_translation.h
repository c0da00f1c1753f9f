// Record version translation: the version corrections by tag and size, and
// the maps that emulate preference records on top of the 12-byte "other"
// records.
#pragma once

// Corrects the record version that a caller passes for a record of this tag
// and byte size; warns the plug-in developer when a caller is inconsistent.
void HandleEnigmaVersion(unsigned long tag, long size, unsigned long* version);

// One field of a preference structure and the word of the "other" record it
// lives in (PREFERENCE_LOCATION_MAPRECORD): 18 bytes, read through the
// offsets below.
struct PREFERENCE_LOCATION_MAPRECORD {
    unsigned char bytes[18];
};

namespace preference_map_record {
constexpr int kHandled = 0;          // 16-bit scratch flag of one load or save
constexpr int kOtherTagThird = 2;    // third character of the "other" tag
constexpr int kOtherTagFourth = 3;   // fourth character
constexpr int kComparator = 4;       // signed 16-bit; 0 stands for -2
constexpr int kIncident = 6;         // signed 16-bit
constexpr int kFieldOffset = 8;      // in the caller's structure
constexpr int kWordIndex = 10;       // 0 to 5 in the "other" record
constexpr int kFieldSize = 12;       // 2 or 4
constexpr int kConversion = 14;      // 32-bit MAP_ARRAY_CONVERSION
constexpr int kSize = 18;
}  // namespace preference_map_record

enum MAP_ARRAY_CONVERSION {
    MAP_ARRAY_PLAIN = 0,
    MAP_ARRAY_FOURBYTE_HIGH_FIRST = 1,  // first word is the upper half
    MAP_ARRAY_FOURBYTE_LOW_FIRST = 2,   // first word is the lower half
    MAP_ARRAY_BOOL_INVERTED = 3,
    MAP_ARRAY_LOW_BYTE = 4,
};

// The maps of the nine preference structures (preference_maps.cpp). Their
// handled flags are scratch of one load or save.
extern PREFERENCE_LOCATION_MAPRECORD _EDTPageFormatPrefsScore_MAP_ARRAY[22];  // pfPF, comparator 0
extern PREFERENCE_LOCATION_MAPRECORD _EDTExtractPrefs_MAP_ARRAY[25];          // pfEX
extern PREFERENCE_LOCATION_MAPRECORD _EDTPlaybackPrefs_MAP_ARRAY[7];          // pfPL
extern PREFERENCE_LOCATION_MAPRECORD _EDTSmartShapePrefs_MAP_ARRAY[43];       // pfSS
extern PREFERENCE_LOCATION_MAPRECORD _EDTPianoBracePrefs_MAP_ARRAY[11];       // pfPB
extern PREFERENCE_LOCATION_MAPRECORD _EDTRepeatPrefs_MAP_ARRAY[20];           // pfRP
extern PREFERENCE_LOCATION_MAPRECORD _EDTMiscDocPrefs_MAP_ARRAY[49];          // pfMS
extern PREFERENCE_LOCATION_MAPRECORD _EDTSizePrefs_MAP_ARRAY[23];             // pfSI
extern PREFERENCE_LOCATION_MAPRECORD _EDTDistancePrefs_MAP_ARRAY[36];         // pfDP

// The map array of a preference structure (pfPF only with comparator 0).
// A tag without one gives null and 0; pfPF with another comparator leaves
// both outputs untouched.
bool mapPrefStruct(unsigned long tag, short comparator, PREFERENCE_LOCATION_MAPRECORD** array, int* count);

// The run of "other" records behind a preference tag: the "other" tag (0
// when the tag is not mapped), the number of records and the first incident.
void mapPrefTag(unsigned long tag, short comparator, unsigned long* otherTag, int* runLength, int* firstIncident);

// A 4-byte field from two 16-bit words, and back (conversions 1 and 2 only).
long makePrefsFourbyte(short firstWord, short secondWord, int conversion);
void makePrefsTwobytes(long value, short* firstWord, short* secondWord, int conversion);
