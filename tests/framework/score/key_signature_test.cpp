// FCKeySignature: keys of measures the workbench built from a document file,
// their accidentals, roots and names, the orders of sharps and flats, and
// identity.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "framework/data/string.h"
#include "framework/score/key_signature.h"
#include "framework/score/measure.h"
#include "framework/score/time_signature.h"
#include "tests/framework/score/score_documents.h"

namespace {

// "word: sharps flats root relation absolute 'name'".
std::string Reading(FCKeySignature* key)
{
    FCString name("stale");
    key->MakeString(&name);
    char text[96];
    std::snprintf(text, sizeof text, "%04X: %d %d %d %d %d '%s'", key->GetKeyID(), key->CalcSharps(),
                  key->CalcFlats(), key->CalcScaleRootIndex(), key->CalcRootRelationIndex(),
                  key->CalcRootRelationAbsoluteIndex(), name.GetCString());
    return text;
}

// The letters A to G that the test picks.
template <typename Test>
std::string Letters(Test picked)
{
    std::string letters;
    for (int letter = 0; letter < 7; ++letter) {
        letters += picked(letter) ? std::string(1, static_cast<char>('A' + letter)) : "";
    }
    return letters;
}

TEST(KeySignature, NamesAndRootsOfTheMeasuresKeys)
{
    OpenMeasures();
    const char* wanted[] = {
        "0000: 0 0 2 0 0 'C major'",       "0100: 0 0 0 0 5 'a minor'",
        "00F9: 0 7 2 7 7 'C flat major'",  "0007: 7 0 2 0 0 'C sharp major'",
        "0203: -1 -1 -1 -1 -1 ''",         "0006: 6 0 5 3 3 'F sharp major'",
        "01FD: 0 3 2 2 0 'c minor'",
    };
    FCMeasure measure;
    for (unsigned short number = 1; number <= 7; ++number) {
        ASSERT_TRUE(measure.Load(number));
        EXPECT_EQ(Reading(measure.GetKeySignature()), wanted[number - 1]);
    }
}

TEST(KeySignature, SharpsAndFlatsFollowTheirOrders)
{
    const char* sharpened[] = {"F", "CF", "CFG", "CDFG", "ACDFG", "ACDEFG", "ABCDEFG"};
    const char* flattened[] = {"B", "BE", "ABE", "ABDE", "ABDEG", "ABCDEG", "ABCDEFG"};
    FCKeySignature key;
    auto sharps = [&](int letter) { return key.IsSharpNote(letter); };
    auto flats = [&](int letter) { return key.IsFlatNote(letter); };
    for (int count = 1; count <= 7; ++count) {
        key.SetKeyID(static_cast<unsigned short>(count));
        EXPECT_EQ(Letters(sharps) + "/" + Letters(flats), sharpened[count - 1] + std::string("/")) << count;
        key.SetKeyID(static_cast<unsigned short>(0x0100 | (-count & 0xFF)));
        EXPECT_EQ(Letters(sharps) + "/" + Letters(flats), "/" + std::string(flattened[count - 1])) << count;
    }
    EXPECT_FALSE(key.IsFlatNote(-1));
    EXPECT_FALSE(key.IsFlatNote(7));
    // A key of the host's own alters nothing, whatever its low byte says.
    key.SetKeyID(0x0207);
    EXPECT_EQ(Letters(sharps) + "/" + Letters(flats), "/");
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

    // A value object: the word is its data.
    b.SetKeyID(0x0305);
    std::unique_ptr<__FCBaseData> clone(b.CreateClone());
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(static_cast<FCKeySignature*>(clone.get())->GetKeyID(), 0x0305);
    EXPECT_EQ(clone->GetDataSize(), 2);
    EXPECT_EQ(*static_cast<unsigned short*>(clone->Allocate()), 0x0305);
}

}  // namespace
