// FCSettingsPairs: the pairs it holds and owns.
#include <gtest/gtest.h>

#include "framework/streams/settings_pairs.h"

TEST(FCSettingsPairs, HoldsKeysAndValuesInOrder)
{
    FCSettingsPairs pairs;
    EXPECT_STREQ(pairs.ClassName(), "FCSettingsPairs");
    pairs.AddPair("size", "12");
    pairs.AddPair("title", "");
    ASSERT_EQ(pairs.GetCount(), 2);
    EXPECT_STREQ(pairs.GetItemAt(0)->GetKey()->GetCString(), "size");
    EXPECT_STREQ(pairs.GetItemAt(0)->GetValue()->GetCString(), "12");
    EXPECT_STREQ(pairs.GetItemAt(1)->GetKey()->GetCString(), "title");
    EXPECT_EQ(pairs.GetItemAt(1)->GetValue()->GetLength(), 0);
    EXPECT_EQ(pairs.GetItemAt(2), nullptr);
    EXPECT_EQ(pairs.GetItemAt(-1), nullptr);
}
