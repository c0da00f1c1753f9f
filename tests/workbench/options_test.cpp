// FINALE.EXE's command line: steps in order, values, and refusals.
#include <gtest/gtest.h>

#include <windows.h>

#include "workbench/key_names.h"
#include "workbench/options.h"

namespace {

using workbench::Answer;
using workbench::Options;
using workbench::StepKind;

bool Parse(std::vector<const char*> arguments, Options* options, std::string* error)
{
    arguments.insert(arguments.begin(), "FINALE.EXE");
    return workbench::ParseOptions(static_cast<int>(arguments.size()), arguments.data(), options, error);
}

TEST(Options, StepsKeepTheirOrderAndValues)
{
    Options options;
    std::string error;
    ASSERT_TRUE(Parse({"--plugin", "a.fxt", "doc.xml", "--select-staves", "2", "--select-measures", "3-5",
                       "--invoke", "Ostrel Drumwell...", "--invoke", "2", "--press", "1", "--choose", "112=3",
                       "--resize", "-5,40", "--answer", "no", "--print-window", "--screenshot", "out.bmp",
                       "--host-version", "11000000", "--no-plugin-folder", "--quit"},
                      &options, &error))
        << error;
    EXPECT_EQ(options.plugins, (std::vector<std::string>{"a.fxt"}));
    EXPECT_FALSE(options.help);
    Options help;
    EXPECT_TRUE(Parse({"-h"}, &help, &error) && help.help);
    EXPECT_EQ(options.hostVersion, 0x11000000u);
    EXPECT_FALSE(options.pluginFolder);
    EXPECT_TRUE(options.IsScript());
    ASSERT_EQ(options.steps.size(), 12u);
    EXPECT_EQ(options.steps[0].kind, StepKind::kDocument);
    EXPECT_EQ(options.steps[0].text, "doc.xml");
    EXPECT_EQ(options.steps[1].kind, StepKind::kSelectStaves);
    EXPECT_EQ(options.steps[1].first, 2);
    EXPECT_EQ(options.steps[1].second, 2);
    EXPECT_EQ(options.steps[2].first, 3);
    EXPECT_EQ(options.steps[2].second, 5);
    EXPECT_EQ(options.steps[3].text, "Ostrel Drumwell...");
    EXPECT_EQ(options.steps[4].text, "");
    EXPECT_EQ(options.steps[4].first, 2);
    EXPECT_EQ(options.steps[5].kind, StepKind::kPress);
    EXPECT_EQ(options.steps[5].first, 1);
    EXPECT_EQ(options.steps[6].first, 112);
    EXPECT_EQ(options.steps[6].second, 3);
    EXPECT_EQ(options.steps[7].first, -5);
    EXPECT_EQ(options.steps[7].second, 40);
    EXPECT_EQ(options.steps[8].answer, Answer::kNo);
    EXPECT_EQ(options.steps[9].kind, StepKind::kPrintWindow);
    EXPECT_EQ(options.steps[10].kind, StepKind::kScreenshot);
    EXPECT_EQ(options.steps[10].option, "--screenshot out.bmp");
    EXPECT_EQ(options.steps[11].kind, StepKind::kQuit);

    Options plain;
    ASSERT_TRUE(Parse({"--document", "a.xml", "b.xml"}, &plain, &error));
    EXPECT_FALSE(plain.IsScript());
    EXPECT_EQ(plain.hostVersion, 0x10000000u);
    EXPECT_TRUE(plain.pluginFolder);
}

TEST(Options, WrongCommandLinesAreRefused)
{
    const std::vector<std::vector<const char*>> wrong = {
        {"--frobnicate"},         {"--press"},           {"--press", "x"},         {"--press", "70000"},
        {"--select-staves", "0"}, {"--select-measures", "2-"}, {"--choose", "112"},  {"--choose", "112=0"},
        {"--resize", "5"},        {"--answer", "maybe"}, {"--host-version", "0x"}, {"--invoke", "0"},
    };
    for (const auto& arguments : wrong) {
        Options options;
        std::string error;
        EXPECT_FALSE(Parse(arguments, &options, &error)) << arguments[0];
        EXPECT_FALSE(error.empty());
    }
    Options options;
    std::string error;
    EXPECT_FALSE(Parse({"--answer", "maybe"}, &options, &error));
    EXPECT_EQ(error, "--answer: cannot use \"maybe\"");
    EXPECT_FALSE(Parse({"--close", "--frobnicate"}, &options, &error));
    EXPECT_EQ(error, "unknown option --frobnicate");
    EXPECT_FALSE(Parse({"--press"}, &options, &error));
    EXPECT_EQ(error, "--press needs a value");
}

TEST(Options, TypedTextsKeepTheirEqualsSignsAndSpinsCountArrowClicks)
{
    Options options;
    std::string error;
    ASSERT_TRUE(Parse({"--type", "201=a=b", "--type", "203=", "--spin", "202=-3"}, &options, &error)) << error;
    ASSERT_EQ(options.steps.size(), 3u);
    EXPECT_EQ(options.steps[0].kind, StepKind::kType);
    EXPECT_EQ(options.steps[0].first, 201);
    EXPECT_EQ(options.steps[0].text, "a=b");
    EXPECT_EQ(options.steps[1].text, "");
    EXPECT_EQ(options.steps[2].kind, StepKind::kSpin);
    EXPECT_EQ(options.steps[2].first, 202);
    EXPECT_EQ(options.steps[2].second, -3);
    EXPECT_FALSE(Parse({"--type", "201"}, &options, &error));
    EXPECT_FALSE(Parse({"--spin", "202=0"}, &options, &error));
    EXPECT_EQ(error, "--spin: cannot use \"202=0\"");
}

}  // namespace

namespace {

TEST(Options, ListStepsAndKeyNames)
{
    Options options;
    std::string error;
    ASSERT_TRUE(Parse({"--click-header", "113=2", "--key", "113=ctrl+shift+c", "--key", "7=F10", "--right-click",
                       "113=3", "--menu", "Copy Report", "--hover", "113=1", "--with-colours", "--print-clipboard"},
                      &options, &error))
        << error;
    ASSERT_EQ(options.steps.size(), 8u);
    EXPECT_EQ(options.steps[0].kind, StepKind::kClickHeader);
    EXPECT_EQ(options.steps[0].second, 2);
    EXPECT_EQ(options.steps[1].text, "ctrl+shift+c");
    EXPECT_EQ(options.steps[3].kind, StepKind::kRightClick);
    EXPECT_EQ(options.steps[4].text, "Copy Report");
    EXPECT_EQ(options.steps[5].kind, StepKind::kHover);

    workbench::KeyPress press;
    ASSERT_TRUE(workbench::ParseKeyName("Ctrl+Shift+c", &press));
    EXPECT_EQ(press.key, static_cast<unsigned>('C'));
    EXPECT_TRUE(press.control && press.shift);
    ASSERT_TRUE(workbench::ParseKeyName("F12", &press));
    EXPECT_EQ(press.key, static_cast<unsigned>(VK_F12));
    EXPECT_FALSE(press.control);
    for (const char* wrong : {"F13", "F0", "Ctrl+", "Ctrl+CC", "Alt+C", ""}) {
        EXPECT_FALSE(workbench::ParseKeyName(wrong, &press)) << wrong;
    }
    ASSERT_TRUE(Parse({"--key", "enter"}, &options, &error)) << error;
    EXPECT_EQ(options.steps.back().first, workbench::kFocusedControl);
    for (const char* wrong : {"--key=113=C", "113", "113=Ctrl+", "x=C", "Ctrl+C"}) {
        EXPECT_FALSE(Parse({"--key", wrong}, &options, &error)) << wrong;
    }
    EXPECT_FALSE(Parse({"--right-click", "113=0"}, &options, &error));
    EXPECT_FALSE(Parse({"--click-header", "113"}, &options, &error));
}

}  // namespace
