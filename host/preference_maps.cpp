// The preference location maps: where each field of a preference structure
// lives among the 12-byte "other" records, and the look-up by preference tag.
#include "host/record_translation.h"

namespace {

// A map row, as its 18 little-endian bytes: the "other" tag's last two
// characters, its key (comparator, incident), the field's offset in the
// caller's structure, the word of the "other" record, the field's size and
// the conversion. The handled flag starts clear.
constexpr PREFERENCE_LOCATION_MAPRECORD Row(const char (&other)[3], short comparator, short incident,
                                            short offset, short word, short size, MAP_ARRAY_CONVERSION conversion)
{
    const unsigned short c = static_cast<unsigned short>(comparator);
    const unsigned short i = static_cast<unsigned short>(incident);
    const unsigned short o = static_cast<unsigned short>(offset);
    const unsigned long v = static_cast<unsigned long>(conversion);
    return PREFERENCE_LOCATION_MAPRECORD{{
        0, 0,
        static_cast<unsigned char>(other[0]), static_cast<unsigned char>(other[1]),
        static_cast<unsigned char>(c), static_cast<unsigned char>(c >> 8),
        static_cast<unsigned char>(i), static_cast<unsigned char>(i >> 8),
        static_cast<unsigned char>(o), static_cast<unsigned char>(o >> 8),
        static_cast<unsigned char>(word), 0,
        static_cast<unsigned char>(size), 0,
        static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
        static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24),
    }};
}

constexpr MAP_ARRAY_CONVERSION kPlain = MAP_ARRAY_PLAIN;
constexpr MAP_ARRAY_CONVERSION kHighFirst = MAP_ARRAY_FOURBYTE_HIGH_FIRST;
constexpr MAP_ARRAY_CONVERSION kInverted = MAP_ARRAY_BOOL_INVERTED;
constexpr MAP_ARRAY_CONVERSION kLowByte = MAP_ARRAY_LOW_BYTE;

}  // namespace

// Columns of every row: "other" tag, comparator, incident, field offset,
// word, field size, conversion. A word holds one field of one structure; a
// four-byte field takes the word and the one after it. Where a structure
// shares an "other" record with another structure, each uses its own words.

// Page format of the score, 48 bytes: page and system sizes from ot14 to
// ot16 first, the margins of ot01 to ot03, then ot17, ot13 and ot39.
PREFERENCE_LOCATION_MAPRECORD _EDTPageFormatPrefsScore_MAP_ARRAY[22] = {
    Row("14", 0, 0, 0, 0, 4, kHighFirst),
    Row("14", 0, 0, 4, 2, 2, kPlain),
    Row("14", 0, 0, 6, 3, 2, kPlain),
    Row("15", 0, 0, 8, 0, 4, kHighFirst),
    Row("15", 0, 0, 12, 2, 2, kPlain),
    Row("15", 0, 0, 14, 3, 2, kPlain),
    Row("16", 0, 0, 16, 0, 2, kPlain),
    Row("16", 0, 0, 18, 1, 2, kPlain),
    Row("16", 0, 0, 20, 2, 2, kPlain),
    Row("16", 0, 0, 22, 3, 2, kPlain),
    Row("01", 0, 0, 24, 0, 2, kPlain),
    Row("02", 0, 0, 26, 0, 2, kPlain),
    Row("03", 0, 0, 28, 0, 2, kPlain),
    Row("17", 0, 0, 30, 3, 2, kPlain),
    Row("17", 0, 0, 32, 2, 2, kPlain),
    Row("17", 0, 0, 34, 0, 2, kPlain),
    Row("17", 0, 0, 36, 1, 2, kPlain),
    Row("13", 0, 0, 38, 0, 2, kPlain),
    Row("13", 0, 0, 40, 1, 2, kPlain),
    Row("39", 0, 0, 42, 0, 2, kPlain),
    Row("39", 0, 0, 44, 1, 2, kPlain),
    Row("39", 0, 0, 46, 2, 2, kPlain),
};

// Extraction of parts, 50 bytes: words 0 to 4 of ot77 incidents 4 to 8.
// Rows 0 to 19 follow the structure; the last five fields come from
// incidents 7 and 8 in the host's order, not the structure's.
PREFERENCE_LOCATION_MAPRECORD _EDTExtractPrefs_MAP_ARRAY[25] = {
    Row("77", 0, 4, 0, 0, 2, kPlain),
    Row("77", 0, 4, 2, 1, 2, kPlain),
    Row("77", 0, 4, 4, 2, 2, kPlain),
    Row("77", 0, 4, 6, 3, 2, kPlain),
    Row("77", 0, 4, 8, 4, 2, kPlain),
    Row("77", 0, 5, 10, 0, 2, kPlain),
    Row("77", 0, 5, 12, 1, 2, kPlain),
    Row("77", 0, 5, 14, 2, 2, kPlain),
    Row("77", 0, 5, 16, 3, 2, kPlain),
    Row("77", 0, 5, 18, 4, 2, kPlain),
    Row("77", 0, 6, 20, 0, 2, kPlain),
    Row("77", 0, 6, 22, 1, 2, kPlain),
    Row("77", 0, 6, 24, 2, 2, kPlain),
    Row("77", 0, 6, 26, 3, 2, kPlain),
    Row("77", 0, 6, 28, 4, 2, kPlain),
    Row("77", 0, 7, 30, 0, 2, kPlain),
    Row("77", 0, 7, 32, 1, 2, kPlain),
    Row("77", 0, 7, 34, 2, 2, kPlain),
    Row("77", 0, 7, 36, 3, 2, kPlain),
    Row("77", 0, 8, 38, 1, 2, kPlain),
    Row("77", 0, 8, 40, 2, 2, kPlain),
    Row("77", 0, 7, 46, 4, 2, kPlain),
    Row("77", 0, 8, 44, 3, 2, kPlain),
    Row("77", 0, 8, 42, 0, 2, kPlain),
    Row("77", 0, 8, 48, 4, 2, kPlain),
};

// Playback, 14 bytes of plain words from ot13, ot36, ot37 and ot39.
PREFERENCE_LOCATION_MAPRECORD _EDTPlaybackPrefs_MAP_ARRAY[7] = {
    Row("13", 0, 0, 0, 2, 2, kPlain),
    Row("36", 0, 0, 2, 0, 2, kPlain),
    Row("36", 0, 0, 4, 2, 2, kPlain),
    Row("37", 0, 0, 6, 0, 2, kPlain),
    Row("37", 0, 0, 8, 1, 2, kPlain),
    Row("39", 0, 0, 10, 3, 2, kPlain),
    Row("39", 0, 0, 12, 4, 2, kPlain),
};

// Smart shapes, 96 bytes: ot11 and ot12 first, the font of comparator 12
// from otFI, the byte-sized values of ot12 and ot53, ot50 (incidents 0 and
// 1), ot51, ot69, ot92, ot93, ot97, and last the font of comparator 11.
PREFERENCE_LOCATION_MAPRECORD _EDTSmartShapePrefs_MAP_ARRAY[43] = {
    Row("11", 0, 0, 0, 0, 2, kPlain),
    Row("11", 0, 0, 2, 1, 2, kPlain),
    Row("11", 0, 0, 4, 2, 2, kPlain),
    Row("11", 0, 0, 6, 3, 2, kPlain),
    Row("11", 0, 0, 8, 4, 2, kPlain),
    Row("11", 0, 0, 10, 5, 2, kPlain),
    Row("12", 0, 0, 12, 0, 2, kPlain),
    Row("12", 0, 0, 14, 1, 2, kPlain),
    Row("FI", 12, 0, 16, 0, 4, kHighFirst),
    Row("FI", 12, 0, 20, 2, 4, kHighFirst),
    Row("FI", 12, 0, 24, 4, 2, kPlain),
    Row("FI", 12, 0, 26, 5, 2, kPlain),
    Row("12", 0, 0, 28, 5, 2, kLowByte),
    Row("12", 0, 0, 30, 2, 2, kLowByte),
    Row("12", 0, 0, 32, 3, 2, kLowByte),
    Row("12", 0, 0, 34, 4, 2, kPlain),
    Row("50", 0, 0, 36, 0, 4, kHighFirst),
    Row("50", 0, 0, 40, 2, 2, kPlain),
    Row("50", 0, 0, 42, 3, 2, kPlain),
    Row("50", 0, 0, 44, 4, 2, kPlain),
    Row("50", 0, 0, 46, 5, 2, kPlain),
    Row("50", 0, 1, 48, 0, 2, kPlain),
    Row("50", 0, 1, 50, 1, 2, kPlain),
    Row("50", 0, 1, 52, 2, 2, kPlain),
    Row("51", 0, 0, 54, 0, 4, kHighFirst),
    Row("51", 0, 0, 58, 2, 2, kPlain),
    Row("51", 0, 0, 60, 3, 2, kPlain),
    Row("53", 0, 0, 62, 0, 2, kLowByte),
    Row("53", 0, 0, 64, 1, 2, kLowByte),
    Row("53", 0, 0, 66, 2, 2, kLowByte),
    Row("69", 0, 0, 68, 0, 2, kPlain),
    Row("69", 0, 0, 70, 1, 2, kPlain),
    Row("92", 0, 0, 72, 0, 4, kHighFirst),
    Row("92", 0, 0, 76, 2, 2, kPlain),
    Row("93", 0, 0, 78, 0, 2, kPlain),
    Row("93", 0, 0, 80, 1, 2, kPlain),
    Row("97", 0, 0, 82, 0, 2, kPlain),
    Row("97", 0, 0, 84, 1, 2, kPlain),
    Row("FI", 11, 0, 86, 0, 2, kPlain),
    Row("FI", 11, 0, 88, 1, 2, kPlain),
    Row("FI", 11, 0, 90, 2, 2, kPlain),
    Row("FI", 11, 0, 92, 3, 2, kPlain),
    Row("FI", 11, 0, 94, 4, 2, kPlain),
};

// Piano braces, 44 bytes: eleven four-byte values, three to a record of
// ot45, ot60 and ot61, one each from ot64 and ot65.
PREFERENCE_LOCATION_MAPRECORD _EDTPianoBracePrefs_MAP_ARRAY[11] = {
    Row("45", 0, 0, 0, 0, 4, kHighFirst),
    Row("45", 0, 0, 4, 2, 4, kHighFirst),
    Row("45", 0, 0, 8, 4, 4, kHighFirst),
    Row("60", 0, 0, 12, 0, 4, kHighFirst),
    Row("60", 0, 0, 16, 2, 4, kHighFirst),
    Row("60", 0, 0, 20, 4, 4, kHighFirst),
    Row("61", 0, 0, 24, 0, 4, kHighFirst),
    Row("61", 0, 0, 28, 2, 4, kHighFirst),
    Row("61", 0, 0, 32, 4, 4, kHighFirst),
    Row("64", 0, 0, 36, 0, 4, kHighFirst),
    Row("65", 0, 0, 40, 0, 4, kHighFirst),
};

// Repeats, 40 bytes of plain words from ot05, ot70 to ot72 and ot76.
PREFERENCE_LOCATION_MAPRECORD _EDTRepeatPrefs_MAP_ARRAY[20] = {
    Row("05", 0, 0, 0, 1, 2, kPlain),
    Row("05", 0, 0, 2, 2, 2, kPlain),
    Row("05", 0, 0, 4, 3, 2, kPlain),
    Row("70", 0, 0, 6, 0, 2, kPlain),
    Row("70", 0, 0, 8, 1, 2, kPlain),
    Row("70", 0, 0, 10, 2, 2, kPlain),
    Row("70", 0, 0, 12, 3, 2, kPlain),
    Row("70", 0, 0, 14, 4, 2, kPlain),
    Row("71", 0, 0, 16, 0, 2, kPlain),
    Row("71", 0, 0, 18, 1, 2, kPlain),
    Row("71", 0, 0, 20, 2, 2, kPlain),
    Row("71", 0, 0, 22, 3, 2, kPlain),
    Row("72", 0, 0, 24, 0, 2, kPlain),
    Row("72", 0, 0, 26, 1, 2, kPlain),
    Row("72", 0, 0, 28, 2, 2, kPlain),
    Row("72", 0, 0, 30, 3, 2, kPlain),
    Row("76", 0, 0, 32, 2, 2, kPlain),
    Row("76", 0, 0, 34, 3, 2, kPlain),
    Row("76", 0, 0, 36, 4, 2, kPlain),
    Row("76", 0, 0, 38, 5, 2, kPlain),
};

// Miscellaneous document settings, 104 bytes from 21 "other" tags, in tag
// order except the flag of ot36 (inverted, row 6) and the trailing values
// of ot41 and ot36; the font of comparator 10 from otFI at 86.
PREFERENCE_LOCATION_MAPRECORD _EDTMiscDocPrefs_MAP_ARRAY[49] = {
    Row("01", 0, 0, 0, 1, 2, kPlain),
    Row("03", 0, 0, 2, 1, 2, kPlain),
    Row("05", 0, 0, 4, 0, 2, kPlain),
    Row("09", 0, 0, 6, 0, 2, kPlain),
    Row("09", 0, 0, 8, 1, 2, kPlain),
    Row("12", 0, 1, 10, 0, 2, kLowByte),
    Row("36", 0, 0, 12, 1, 2, kInverted),
    Row("12", 0, 1, 14, 1, 2, kLowByte),
    Row("13", 0, 0, 16, 3, 2, kPlain),
    Row("15", 0, 0, 18, 4, 2, kPlain),
    Row("16", 0, 0, 20, 4, 2, kPlain),
    Row("17", 0, 0, 22, 4, 2, kPlain),
    Row("19", 0, 0, 24, 0, 4, kHighFirst),
    Row("19", 0, 0, 28, 2, 2, kPlain),
    Row("20", 0, 0, 30, 0, 2, kPlain),
    Row("20", 0, 0, 32, 1, 2, kPlain),
    Row("23", 0, 0, 34, 0, 2, kPlain),
    Row("23", 0, 0, 36, 1, 2, kPlain),
    Row("27", 0, 0, 38, 0, 2, kPlain),
    Row("27", 0, 0, 40, 1, 2, kPlain),
    Row("31", 0, 0, 42, 0, 2, kPlain),
    Row("31", 0, 0, 44, 1, 2, kPlain),
    Row("31", 0, 0, 46, 2, 2, kPlain),
    Row("31", 0, 0, 48, 3, 2, kPlain),
    Row("36", 0, 0, 50, 3, 2, kPlain),
    Row("36", 0, 0, 52, 4, 2, kPlain),
    Row("41", 0, 0, 54, 0, 2, kPlain),
    Row("41", 0, 0, 56, 1, 2, kPlain),
    Row("41", 0, 0, 58, 2, 2, kPlain),
    Row("41", 0, 1, 60, 0, 2, kPlain),
    Row("41", 0, 1, 62, 1, 2, kPlain),
    Row("41", 0, 2, 64, 0, 2, kPlain),
    Row("41", 0, 2, 66, 1, 2, kPlain),
    Row("44", 0, 0, 68, 0, 4, kHighFirst),
    Row("44", 0, 0, 72, 2, 2, kPlain),
    Row("62", 0, 0, 74, 0, 2, kPlain),
    Row("62", 0, 0, 76, 1, 2, kPlain),
    Row("76", 0, 0, 78, 0, 2, kPlain),
    Row("76", 0, 0, 80, 1, 2, kPlain),
    Row("93", 0, 2, 82, 0, 2, kPlain),
    Row("93", 0, 2, 84, 1, 2, kPlain),
    Row("FI", 10, 0, 86, 0, 2, kPlain),
    Row("FI", 10, 0, 88, 1, 2, kPlain),
    Row("FI", 10, 0, 90, 2, 2, kPlain),
    Row("FI", 10, 0, 92, 3, 2, kPlain),
    Row("FI", 10, 0, 94, 4, 2, kPlain),
    Row("41", 0, 1, 96, 3, 4, kHighFirst),
    Row("36", 0, 0, 100, 5, 2, kPlain),
    Row("41", 0, 1, 102, 5, 2, kPlain),
};

// Sizes, 54 bytes from 15 "other" tags in tag order; four four-byte values
// from ot20, ot58, ot64 and ot69.
PREFERENCE_LOCATION_MAPRECORD _EDTSizePrefs_MAP_ARRAY[23] = {
    Row("01", 0, 0, 0, 2, 2, kPlain),
    Row("03", 0, 0, 2, 2, 2, kPlain),
    Row("14", 0, 0, 4, 4, 2, kPlain),
    Row("20", 0, 0, 6, 2, 4, kHighFirst),
    Row("21", 0, 0, 10, 0, 2, kPlain),
    Row("21", 0, 0, 12, 1, 2, kPlain),
    Row("23", 0, 0, 14, 2, 2, kPlain),
    Row("27", 0, 0, 16, 2, 2, kPlain),
    Row("58", 0, 0, 18, 0, 4, kHighFirst),
    Row("58", 0, 0, 22, 2, 2, kPlain),
    Row("59", 0, 0, 24, 0, 2, kPlain),
    Row("59", 0, 0, 26, 1, 2, kPlain),
    Row("62", 0, 0, 28, 2, 2, kPlain),
    Row("64", 0, 0, 30, 2, 4, kHighFirst),
    Row("64", 0, 0, 34, 4, 2, kPlain),
    Row("67", 0, 0, 36, 0, 2, kPlain),
    Row("67", 0, 0, 38, 1, 2, kPlain),
    Row("68", 0, 0, 40, 0, 2, kPlain),
    Row("68", 0, 0, 42, 1, 2, kPlain),
    Row("69", 0, 0, 44, 2, 4, kHighFirst),
    Row("69", 0, 0, 48, 4, 2, kPlain),
    Row("97", 0, 0, 50, 2, 2, kPlain),
    Row("97", 0, 0, 52, 3, 2, kPlain),
};

// Distances, 76 bytes from 15 "other" tags in tag order, then three late
// fields of ot22, ot65 and ot21; the one word of ot77 incident 4 that the
// extraction map leaves free, at 68.
PREFERENCE_LOCATION_MAPRECORD _EDTDistancePrefs_MAP_ARRAY[36] = {
    Row("01", 0, 0, 0, 3, 2, kPlain),
    Row("01", 0, 0, 2, 4, 2, kPlain),
    Row("13", 0, 0, 4, 4, 2, kPlain),
    Row("13", 0, 0, 6, 5, 2, kPlain),
    Row("14", 0, 0, 8, 5, 2, kPlain),
    Row("18", 0, 0, 10, 0, 4, kHighFirst),
    Row("18", 0, 0, 14, 2, 2, kPlain),
    Row("18", 0, 0, 16, 3, 2, kPlain),
    Row("18", 0, 0, 18, 4, 2, kPlain),
    Row("18", 0, 0, 20, 5, 2, kPlain),
    Row("19", 0, 0, 22, 3, 2, kPlain),
    Row("19", 0, 0, 24, 4, 2, kPlain),
    Row("20", 0, 0, 26, 4, 2, kPlain),
    Row("20", 0, 0, 28, 5, 2, kPlain),
    Row("21", 0, 0, 30, 2, 2, kPlain),
    Row("21", 0, 0, 32, 3, 2, kPlain),
    Row("22", 0, 0, 34, 0, 2, kPlain),
    Row("22", 0, 0, 36, 1, 2, kPlain),
    Row("22", 0, 0, 38, 2, 2, kPlain),
    Row("22", 0, 0, 40, 3, 2, kPlain),
    Row("22", 0, 0, 42, 4, 2, kPlain),
    Row("27", 0, 0, 44, 3, 2, kPlain),
    Row("27", 0, 0, 46, 4, 2, kPlain),
    Row("39", 0, 0, 48, 5, 2, kPlain),
    Row("59", 0, 0, 50, 2, 2, kPlain),
    Row("59", 0, 0, 52, 3, 2, kPlain),
    Row("65", 0, 0, 54, 2, 4, kHighFirst),
    Row("65", 0, 0, 58, 4, 2, kPlain),
    Row("67", 0, 0, 60, 2, 2, kPlain),
    Row("67", 0, 0, 62, 3, 2, kPlain),
    Row("68", 0, 0, 64, 2, 2, kPlain),
    Row("68", 0, 0, 66, 3, 2, kPlain),
    Row("77", 0, 4, 68, 5, 2, kPlain),
    Row("22", 0, 0, 70, 5, 2, kPlain),
    Row("65", 0, 0, 72, 5, 2, kPlain),
    Row("21", 0, 0, 74, 4, 2, kPlain),
};

namespace {

struct PreferenceMap {
    unsigned long tag;
    PREFERENCE_LOCATION_MAPRECORD* array;
    int count;
};

template <int N>
constexpr PreferenceMap Map(unsigned long tag, PREFERENCE_LOCATION_MAPRECORD (&array)[N])
{
    return PreferenceMap{tag, array, N};
}

constexpr unsigned long kPageFormatPrefs = 0x70665046;  // pfPF

const PreferenceMap kPreferenceMaps[] = {
    Map(kPageFormatPrefs, _EDTPageFormatPrefsScore_MAP_ARRAY),
    Map(0x70664558, _EDTExtractPrefs_MAP_ARRAY),
    Map(0x7066504C, _EDTPlaybackPrefs_MAP_ARRAY),
    Map(0x70665353, _EDTSmartShapePrefs_MAP_ARRAY),
    Map(0x70665042, _EDTPianoBracePrefs_MAP_ARRAY),
    Map(0x70665250, _EDTRepeatPrefs_MAP_ARRAY),
    Map(0x70664D53, _EDTMiscDocPrefs_MAP_ARRAY),
    Map(0x70665349, _EDTSizePrefs_MAP_ARRAY),
    Map(0x70664450, _EDTDistancePrefs_MAP_ARRAY),
};

}  // namespace

bool mapPrefStruct(unsigned long tag, short comparator, PREFERENCE_LOCATION_MAPRECORD** array, int* count)
{
    // Only comparator 0 of the page format is a structure: comparator 1 is a
    // run of "other" records, the others are the host's own records.
    if (tag == kPageFormatPrefs && comparator != 0) {
        return false;
    }
    for (const PreferenceMap& map : kPreferenceMaps) {
        if (map.tag == tag) {
            *array = map.array;
            *count = map.count;
            return true;
        }
    }
    *array = nullptr;
    *count = 0;
    return false;
}
