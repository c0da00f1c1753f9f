// Parsing FINALE.EXE's command line, and its help text.
#include "workbench/options.h"

#include <cstdlib>
#include <cstring>

#include "workbench/key_names.h"
#include "workbench/workbench.h"

namespace workbench {

const char kHelpText[] =
    "FINALE.EXE - the Drumwell workbench host\n"
    "\n"
    "A stand-in for the notation program: it loads plug-ins (*.fxt), holds\n"
    "documents read from workbench document files or MusicXML scores\n"
    "(*.musicxml, *.xml, compressed *.mxl), offers the host services plug-ins\n"
    "call, and shows a main window with the current document's staves and a\n"
    "Plug-ins menu.\n"
    "\n"
    "Usage: FINALE.EXE [options] [steps] [DOCUMENT...]\n"
    "\n"
    "Options:\n"
    "  -h, --help             this text\n"
    "  --host-version HEX     the host version told to plug-ins (default 0x10000000);\n"
    "                         from 0x11000000 on, layout notes have the tag O\\x02Di\n"
    "  --plugin FILE          load this plug-in as well (may be repeated)\n"
    "  --no-plugin-folder     do not load the *.fxt files beside FINALE.EXE\n"
    "  --interactive          keep running once the steps are done\n"
    "\n"
    "Steps, run in command-line order, each followed by processing the pending\n"
    "window messages:\n"
    "  --document FILE        open a workbench document or MusicXML score and make\n"
    "                         it current; a plain argument does the same. Documents\n"
    "                         stay open together, numbered 1, 2, ... as they are opened\n"
    "  --part ID              make part ID of the current document its current part\n"
    "                         (0: the score)\n"
    "  --select-staves A[-B]  select slots A to B of the current document; if no\n"
    "                         measures are selected yet, all measures are\n"
    "  --select-measures A[-B]\n"
    "                         select measures A to B; if no staves are selected\n"
    "                         yet, all staves are\n"
    "  --invoke N|TEXT        choose entry N (1-based) of the Plug-ins menu, or the\n"
    "                         entry with this menu text (a closing \"...\" may be left out)\n"
    "  --press ID             press control ID of the newest plug-in window\n"
    "  --choose ID=N          choose entry N (1-based) of combo box ID in that window\n"
    "  --type ID=TEXT         type TEXT into edit field ID of that window, over its\n"
    "                         whole text (an empty TEXT clears it)\n"
    "  --spin ID=N            click the up (or right) arrow of up-down ID in that\n"
    "                         window N times; the down (or left) arrow for N below 0\n"
    "  --drop-down ID         drop down the list of combo box ID in that window\n"
    "  --resize DW,DH         make that window DW pixels wider and DH higher\n"
    "  --move X,Y             move that window to X,Y on the screen\n"
    "  --close                close that window (WM_CLOSE)\n"
    "  --print-window         print that window: its caption, then every control in\n"
    "                         tab order with its ID, class, text and state, combo box\n"
    "                         and list box entries, list view columns and rows,\n"
    "                         up-down ranges and positions, tree nodes by depth\n"
    "  --print-geometry       print that window's place and size on the screen and\n"
    "                         each control's place and size in its client area\n"
    "  --print-document       print the current document: its parts and edit\n"
    "                         blocks, staves and records; with several open,\n"
    "                         every open document, the current one marked\n"
    "  --print-plugins        print the Plug-ins menu: each entry's text,\n"
    "                         description and name, and the plug-in's file\n"
    "  --answer yes|no|ok|cancel\n"
    "                         how the alerts from now on are answered (default ok);\n"
    "                         an alert without that button gets the nearest one\n"
    "  --screenshot FILE      save the newest plug-in window, or the main window\n"
    "                         when there is none, as a BMP image\n"
    "  --capture FILE         save that window's client area as it is on the screen\n"
    "                         now, without drawing it anew first, as a BMP image\n"
    "  --destroy              destroy that window as the host would, without\n"
    "                         asking the plug-in\n"
    "  --click-header ID=N    click the header of column N (1-based) of list view ID\n"
    "                         in the newest plug-in window\n"
    "  --key [ID=]KEY         press KEY in control ID of that window, as Ctrl+C,\n"
    "                         Shift+F10, Apps, Down or F2 (Ctrl+ and Shift+ may lead);\n"
    "                         without ID, post KEY (Enter, Escape, ...) to the\n"
    "                         focused control and let the message loop deliver it\n"
    "  --right-click ID=N     right-click row N (1-based) of list view ID there\n"
    "  --menu TEXT            answer the context menus from now on by choosing the\n"
    "                         entry TEXT; an empty TEXT closes them (the default).\n"
    "                         Each menu is printed: context menu: ENTRIES [CHOICE]\n"
    "  --hover ID=N           point at row N of list view ID: --print-window then\n"
    "                         shows the tooltip its owner gives that row\n"
    "  --with-colours         --print-window from now on shows, for each row of a\n"
    "                         list view whose owner draws it, the text and\n"
    "                         background colours the owner answers\n"
    "  --print-clipboard      print the clipboard's text, line by line\n"
    "  --undo                 undo the current document's last edit\n"
    "  --quit                 end here\n"
    "\n"
    "With any step other than opening documents, FINALE.EXE runs as a script:\n"
    "every alert is printed as it appears (alert \"TITLE\": TEXT [BUTTON]) and\n"
    "answered, messages of FX_AlertMessage are printed (host message: TEXT), and\n"
    "the program ends after the last step. Output goes to standard output;\n"
    "errors go to standard error, and the exit code is 1 when a step failed and\n"
    "2 when the command line is wrong. Without steps, the main window stays\n"
    "open: select rows of the staff list and enter a measure range to set the\n"
    "selection, choose the current part in the Part box, and choose a plug-in\n"
    "from the Plug-ins menu.\n";

bool Options::IsScript() const
{
    for (const Step& step : steps) {
        if (step.kind != StepKind::kDocument) {
            return true;
        }
    }
    return false;
}

namespace {

bool ParseInt(const std::string& text, int* value)
{
    if (text.empty() || text.size() > 9) {
        return false;
    }
    char* end = nullptr;
    long parsed = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || text[0] == '+' || text[0] == ' ') {
        return false;
    }
    *value = static_cast<int>(parsed);
    return true;
}

bool ParseRange(const std::string& text, Step* step)
{
    size_t dash = text.find('-');
    std::string first = text.substr(0, dash);
    std::string last = dash == std::string::npos ? first : text.substr(dash + 1);
    return ParseInt(first, &step->first) && ParseInt(last, &step->second) && step->first >= 1 && step->second >= 1;
}

bool ParsePair(const std::string& text, char separator, int* a, int* b)
{
    size_t at = text.find(separator);
    return at != std::string::npos && ParseInt(text.substr(0, at), a) && ParseInt(text.substr(at + 1), b);
}

bool ParseHex(const std::string& text, unsigned long* value)
{
    std::string digits = text.compare(0, 2, "0x") == 0 || text.compare(0, 2, "0X") == 0 ? text.substr(2) : text;
    if (digits.empty() || digits.size() > 8 || digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
        return false;
    }
    *value = std::strtoul(digits.c_str(), nullptr, 16);
    return true;
}

}  // namespace

bool ParseOptions(int argc, const char* const* argv, Options* options, std::string* error)
{
    options->hostVersion = kDefaultHostVersion;
    struct Simple {
        const char* name;
        StepKind kind;
    };
    static const Simple kSimpleSteps[] = {
        {"--close", StepKind::kClose},
        {"--print-window", StepKind::kPrintWindow},
        {"--print-geometry", StepKind::kPrintGeometry},
        {"--print-document", StepKind::kPrintDocument},
        {"--print-plugins", StepKind::kPrintPlugins},
        {"--undo", StepKind::kUndo},
        {"--with-colours", StepKind::kWithColours},
        {"--print-clipboard", StepKind::kPrintClipboard},
        {"--quit", StepKind::kQuit},
        {"--destroy", StepKind::kDestroy},
    };
    static const char* const kWithValue[] = {"--host-version", "--plugin", "--document", "--select-staves",
                                             "--select-measures", "--invoke", "--press", "--choose", "--resize", "--move",
                                             "--answer", "--screenshot", "--part", "--type", "--spin", "--capture",
                                             "--click-header", "--key", "--right-click", "--menu", "--hover",
                                             "--drop-down"};
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        if (option == "--help" || option == "-h") {
            options->help = true;
            continue;
        }
        if (option == "--no-plugin-folder") {
            options->pluginFolder = false;
            continue;
        }
        if (option == "--interactive") {
            options->interactive = true;
            continue;
        }
        bool simple = false;
        for (const Simple& step : kSimpleSteps) {
            if (option == step.name) {
                Step made{step.kind, option, std::string()};
                options->steps.push_back(made);
                simple = true;
            }
        }
        if (simple) {
            continue;
        }
        if (option.compare(0, 2, "--") != 0) {
            options->steps.push_back(Step{StepKind::kDocument, option, option});
            continue;
        }
        bool takesValue = false;
        for (const char* name : kWithValue) {
            takesValue = takesValue || option == name;
        }
        if (!takesValue) {
            *error = "unknown option " + option;
            return false;
        }
        if (i + 1 >= argc) {
            *error = option + " needs a value";
            return false;
        }
        std::string value = argv[++i];
        Step step{StepKind::kDocument, option + " " + value, value};
        bool ok = true;
        if (option == "--host-version") {
            ok = ParseHex(value, &options->hostVersion);
        } else if (option == "--plugin") {
            options->plugins.push_back(value);
            continue;
        } else if (option == "--document") {
            step.kind = StepKind::kDocument;
        } else if (option == "--select-staves" || option == "--select-measures") {
            step.kind = option == "--select-staves" ? StepKind::kSelectStaves : StepKind::kSelectMeasures;
            ok = ParseRange(value, &step);
        } else if (option == "--invoke") {
            step.kind = StepKind::kInvoke;
            if (value.find_first_not_of("0123456789") == std::string::npos) {
                ok = ParseInt(value, &step.first) && step.first >= 1;
                step.text.clear();
            }
        } else if (option == "--press" || option == "--drop-down") {
            step.kind = option == "--press" ? StepKind::kPress : StepKind::kDropDown;
            ok = ParseInt(value, &step.first) && step.first >= 0 && step.first <= 0xFFFF;
        } else if (option == "--choose") {
            step.kind = StepKind::kChoose;
            ok = ParsePair(value, '=', &step.first, &step.second) && step.first >= 0 && step.first <= 0xFFFF &&
                 step.second >= 1;
        } else if (option == "--type") {
            step.kind = StepKind::kType;
            size_t at = value.find('=');
            ok = at != std::string::npos && ParseInt(value.substr(0, at), &step.first) && step.first >= 0 &&
                 step.first <= 0xFFFF;
            step.text = ok ? value.substr(at + 1) : std::string();
        } else if (option == "--spin") {
            step.kind = StepKind::kSpin;
            ok = ParsePair(value, '=', &step.first, &step.second) && step.first >= 0 && step.first <= 0xFFFF &&
                 step.second != 0;
        } else if (option == "--resize" || option == "--move") {
            step.kind = option == "--resize" ? StepKind::kResize : StepKind::kMove;
            ok = ParsePair(value, ',', &step.first, &step.second);
        } else if (option == "--answer") {
            step.kind = StepKind::kAnswer;
            static const char* const kAnswers[] = {"ok", "yes", "no", "cancel"};
            ok = false;
            for (int a = 0; a < 4; ++a) {
                if (value == kAnswers[a]) {
                    step.answer = static_cast<Answer>(a);
                    ok = true;
                }
            }
        } else if (option == "--screenshot") {
            step.kind = StepKind::kScreenshot;
        } else if (option == "--part") {
            step.kind = StepKind::kPart;
            ok = ParseInt(value, &step.first) && step.first >= 0 && step.first <= 32767;
        } else if (option == "--capture") {
            step.kind = StepKind::kCapture;
        } else if (option == "--click-header" || option == "--right-click" || option == "--hover") {
            step.kind = option == "--click-header" ? StepKind::kClickHeader
                        : option == "--hover"      ? StepKind::kHover
                                                   : StepKind::kRightClick;
            ok = ParsePair(value, '=', &step.first, &step.second) && step.first >= 0 && step.first <= 0xFFFF &&
                 step.second >= 1;
        } else if (option == "--key") {
            // ID=KEY presses the key in a control; KEY alone is posted to the
            // focused one, without modifiers, for the message loop to deliver.
            step.kind = StepKind::kKey;
            size_t at = value.find('=');
            std::string name = at == std::string::npos ? value : value.substr(at + 1);
            KeyPress press;
            ok = ParseKeyName(name, &press);
            if (at == std::string::npos) {
                step.first = kFocusedControl;
                ok = ok && !press.control && !press.shift;
            } else {
                ok = ok && ParseInt(value.substr(0, at), &step.first) && step.first >= 0 && step.first <= 0xFFFF;
            }
            step.text = ok ? name : value;
        } else if (option == "--menu") {
            step.kind = StepKind::kMenu;
        }
        if (!ok) {
            *error = option + ": cannot use \"" + value + "\"";
            return false;
        }
        if (option != "--host-version") {
            options->steps.push_back(step);
        }
    }
    return true;
}

}  // namespace workbench
