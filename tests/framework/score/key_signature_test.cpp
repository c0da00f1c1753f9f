// FCKeySignature: keys of measures the workbench built from a document file,
// their accidentals, roots and names, the orders of sharps and flats, and
// identity.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/data/string.h"
#include "framework/score/key_signature.h"
#include "framework/score/measure.h"
#include "framework/score/time_signature.h"
#include "tests/framework/score/score_documents.h"

namespace {

struct KeyReading {
    unsigned keyword;
    int sharps;
    int flats;
    int root;
    int relation;
    int absolute;
    std::string name;
};

KeyReading ReadKeyOfMeasure(unsigned short number)
{
    FCMeasure measure;
    EXPECT_TRUE(measure.Load(number)) << number;
    FCKeySignature* key = measure.GetKeySignature();
    FCString name("stale");
    key->MakeString(&name);
    return KeyReading{key->GetKeyID(),           key->CalcSharps(),
                      key->CalcFlats(),          key->CalcScaleRootIndex(),
                      key->CalcRootRelationIndex(), key->CalcRootRelationAbsoluteIndex(),
                      name.GetCString()};
}

void ExpectKey(const KeyReading& got, const KeyReading& wanted)
{
    EXPECT_EQ(got.keyword, wanted.keyword);
    EXPECT_EQ(got.sharps, wanted.sharps) << wanted.name;
    EXPECT_EQ(got.flats, wanted.flats) << wanted.name;
    EXPECT_EQ(got.root, wanted.root) << wanted.name;
    EXPECT_EQ(got.relation, wanted.relation) << wanted.name;
    EXPECT_EQ(got.absolute, wanted.absolute) << wanted.name;
    EXPECT_EQ(got.name, wanted.name);
}

// The letters A to G that the test picks, as text.
template <typename Test>
std::string Letters(Test picked)
{
    std::string letters;
    for (int letter = 0; letter < 7; ++letter) {
        if (picked(letter)) {
            letters += static_cast<char>('A' + letter);
        }
    }
    return letters;
}

TEST(KeySignature, NamesAndRootsOfTheMeasuresKeys)
{
    OpenMeasures();
    ExpectKey(ReadKeyOfMeasure(1), {0x0000, 0, 0, 2, 0, 0, "C major"});
    ExpectKey(ReadKeyOfMeasure(2), {0x0100, 0, 0, 0, 0, 5, "a minor"});
    ExpectKey(ReadKeyOfMeasure(3), {0x00F9, 0, 7, 2, 7, 7, "C flat major"});
    ExpectKey(ReadKeyOfMeasure(4), {0x0007, 7, 0, 2, 0, 0, "C sharp major"});
    ExpectKey(ReadKeyOfMeasure(5), {0x0203, -1, -1, -1, -1, -1, ""});
    ExpectKey(ReadKeyOfMeasure(6), {0x0006, 6, 0, 5, 3, 3, "F sharp major"});
    ExpectKey(ReadKeyOfMeasure(7), {0x01FD, 0, 3, 2, 2, 0, "c minor"});
}

TEST(KeySignature, SharpsAndFlatsFollowTheirOrders)
{
    const char* sharpened[] = {"F", "CF", "CFG", "CDFG", "ACDFG", "ACDEFG", "ABCDEFG"};
    const char* flattened[] = {"B", "BE", "ABE", "ABDE", "ABDEG", "ABCDEG", "ABCDEFG"};
    FCKeySignature key;
    for (int count = 1; count <= 7; ++count) {
        key.SetKeyID(static_cast<unsigned short>(count));
        EXPECT_EQ(Letters([&](int letter) { return key.IsSharpNote(letter); }), sharpened[count - 1]) << count;
        EXPECT_EQ(Letters([&](int letter) { return key.IsFlatNote(letter); }), "") << count;
        key.SetKeyID(static_cast<unsigned short>(0x0100 | (-count & 0xFF)));
        EXPECT_EQ(Letters([&](int letter) { return key.IsFlatNote(letter); }), flattened[count - 1]) << count;
        EXPECT_EQ(Letters([&](int letter) { return key.IsSharpNote(letter); }), "") << count;
    }
    key.SetKeyID(7);
    EXPECT_FALSE(key.IsSharpNote(-1));
    EXPECT_FALSE(key.IsSharpNote(7));
    // A key of the host's own alters nothing, whatever its low byte says.
    key.SetKeyID(0x0207);
    EXPECT_EQ(Letters([&](int letter) { return key.IsSharpNote(letter) || key.IsFlatNote(letter); }), "");
    key.SetKeyID(0x0005);
    FCString name;
    key.MakeString(&name);
    EXPECT_STREQ(name.GetCString(), "B major");
    key.SetKeyID(0x00FE);
    key.MakeString(&name);
    EXPECT_STREQ(name.GetCString(), "B flat major");
}

TEST(KeySignature, IdentityComparesModeRootAndAccidentals)
{
    FCKeySignature a;
    FCKeySignature b;
    auto same = [&](unsigned first, unsigned second) {
        a.SetKeyID(static_cast<unsigned short>(first));
        b.SetKeyID(static_cast<unsigned short>(second));
        return a.IsIdentical(&b);
    };
    EXPECT_TRUE(same(0x0003, 0x0003));
    EXPECT_FALSE(same(0x0000, 0x0100));  // C major, a minor
    EXPECT_FALSE(same(0x0007, 0x00F9));  // both rooted on C
    EXPECT_FALSE(same(0x0000, 0x0203));
    EXPECT_TRUE(same(0x0203, 0x0203));
    // Keys of the host's own differ when their words do.
    EXPECT_FALSE(same(0x0203, 0x0305));
    EXPECT_FALSE(same(0x4000, 0x0203));
    FCTimeSignature time;
    EXPECT_FALSE(a.IsIdentical(&time));

    // A value object: no record of its own, a copy of the word as its data.
    EXPECT_EQ(a.Tag(), 0u);
    EXPECT_FALSE(a.LoadFirst());
    std::unique_ptr<__FCBaseData> clone(b.CreateClone());
    ASSERT_NE(clone, nullptr);
    EXPECT_STREQ(clone->ClassName(), "FCKeySignature");
    EXPECT_EQ(static_cast<FCKeySignature*>(clone.get())->GetKeyID(), 0x0305);
    EXPECT_EQ(clone->GetDataSize(), 2);
    EXPECT_EQ(*static_cast<unsigned short*>(clone->Allocate()), 0x0305);
}

}  // namespace
