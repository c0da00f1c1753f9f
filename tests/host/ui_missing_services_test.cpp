// FCUI in the bare host, which offers none of the view, menu, region or
// record services: the view queries give their defaults.
#include <gtest/gtest.h>

#include "host/ui.h"

namespace {

TEST(FCUIWithoutServices, ViewQueriesGiveTheirDefaultsAndCommandsFail)
{
    FCUI ui;
    EXPECT_FALSE(ui.IsPageView());
    EXPECT_EQ(ui.GetCurrentPage(), 0);
    EXPECT_EQ(ui.GetZoomLevel(), 100);
    EXPECT_EQ(ui.GetDocumentWindow(), nullptr);
    EXPECT_FALSE(ui.MenuCommand(1));
}

}  // namespace
