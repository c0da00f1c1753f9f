// FINALE.EXE's command line: the plug-ins to load and the steps of a script.
#pragma once

#include <string>
#include <vector>

namespace workbench {

enum class StepKind {
    kDocument,
    kSelectStaves,
    kSelectMeasures,
    kInvoke,
    kPress,
    kChoose,
    kType,
    kSpin,
    kResize,
    kMove,
    kClose,
    kPrintWindow,
    kPrintGeometry,
    kPrintDocument,
    kPrintPlugins,
    kAnswer,
    kScreenshot,
    kUndo,
    kQuit,
    kPart,
    kCapture,
    kDestroy,
    kKey,
    kClickHeader,
    kRightClick,
    kMenu,
    kHover,
    kWithColours,
    kPrintClipboard,
    kDropDown,
};

// How alerts are answered.
enum class Answer { kOk, kYes, kNo, kCancel };

// The control of a --key step without an ID: the focused one.
constexpr int kFocusedControl = -1;

struct Step {
    StepKind kind;
    std::string option;  // as written, for messages
    std::string text;    // a file, the menu text of --invoke or --menu, the text of --type, a key
    int first = 0;       // numbers: range, entry, control (kFocusedControl: the focused one), size change
    int second = 0;
    Answer answer = Answer::kOk;
};

struct Options {
    bool help = false;
    unsigned long hostVersion = 0;
    bool pluginFolder = true;
    std::vector<std::string> plugins;
    bool interactive = false;  // keep running once the script is done
    std::vector<Step> steps;

    // Any step beyond opening documents makes a script, which ends by itself.
    bool IsScript() const;
};

// False with a message for a command line that makes no sense.
bool ParseOptions(int argc, const char* const* argv, Options* options, std::string* error);

extern const char kHelpText[];

}  // namespace workbench
