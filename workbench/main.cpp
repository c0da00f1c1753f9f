// FINALE.EXE: the workbench host as a program, interactive or scripted.
#include <windows.h>

#include <commctrl.h>

#include "workbench/alert_watch.h"
#include "workbench/main_window.h"
#include "workbench/menu_watch.h"
#include "workbench/message_loop.h"
#include "workbench/options.h"
#include "workbench/output.h"
#include "workbench/paths.h"
#include "workbench/plugins.h"
#include "workbench/script.h"
#include "workbench/workbench.h"

namespace {

using namespace workbench;

int Run(int argc, char** argv)
{
    UseLineFeeds();
    Options options;
    std::string error;
    if (!ParseOptions(argc, argv, &options, &error)) {
        PrintError(error + " (see --help)");
        return 2;
    }
    if (options.help) {
        PrintText(kHelpText);
        return 0;
    }
    Workbench& host = Workbench::Instance();
    host.hostVersion = options.hostVersion;
    const bool script = options.IsScript();
    host.echoHostAlerts = true;
    host.interactive = !script;

    // Before any plug-in code runs: its windows use these controls.
    INITCOMMONCONTROLSEX controls = {sizeof controls,
                                     ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES |
                                         ICC_UPDOWN_CLASS};
    if (!InitCommonControlsEx(&controls)) {
        PrintError("cannot initialise the common controls");
        return 1;
    }

    Plugins plugins;
    std::vector<std::string> files = options.pluginFolder ? PluginsIn(ProgramFolder()) : std::vector<std::string>();
    files.insert(files.end(), options.plugins.begin(), options.plugins.end());
    for (const std::string& file : files) {
        if (!plugins.Load(file, host.hostVersion, &error)) {
            PrintError(error);
            return 1;
        }
    }

    MainWindow window(plugins);
    if (!window.Create(&error)) {
        PrintError(error);
        return 1;
    }
    ShowWindow(window.Handle(), SW_SHOW);
    UpdateWindow(window.Handle());
    if (script && (!StartAlertWatch() || !StartMenuWatch())) {
        PrintError("cannot watch for alerts and menus");
        return 1;
    }

    bool quit = false;
    bool done = Script(plugins, window).Run(options.steps, &quit);
    int result = done ? 0 : 1;
    StopAlertWatch();
    StopMenuWatch();
    if (done && !quit && (!script || options.interactive)) {
        // From here on a person answers the alerts.
        host.interactive = true;
        result = RunMessageLoop();
    }
    // The plug-in windows go with the main window, while their code is loaded.
    window.Destroy();
    ProcessPendingMessages();
    plugins.UnloadAll();
    return result;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        return Run(argc, argv);
    } catch (const std::exception& failure) {
        workbench::PrintError(std::string("stopped: ") + failure.what());
    } catch (...) {
        workbench::PrintError("stopped by an unexpected failure");
    }
    return 1;
}
