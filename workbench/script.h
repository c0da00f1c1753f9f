// The scripted mode: the steps of the command line, each followed by
// processing the pending messages, against the main window and the newest
// plug-in window.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "workbench/main_window.h"
#include "workbench/options.h"
#include "workbench/plugins.h"

namespace workbench {

class Script {
public:
    Script(const Plugins& plugins, MainWindow& window) : _plugins(plugins), _window(window) {}

    // Runs the steps in order. False after the first step that fails, its
    // message printed to standard error. `quit` tells whether --quit came
    // or the program was ended.
    bool Run(const std::vector<Step>& steps, bool* quit);

private:
    bool RunStep(const Step& step, std::string* error);
    // The plug-in window steps act on; null, with a message, when none is open.
    HWND PluginWindow(std::string* error) const;
    bool Select(const Step& step, std::string* error);
    bool Invoke(const Step& step, std::string* error);
    bool Press(const Step& step, std::string* error);
    bool Choose(const Step& step, std::string* error);
    // Combo box step.first of the plug-in window; null, with a message, when there is none.
    HWND ComboBox(const Step& step, std::string* error) const;
    bool Resize(const Step& step, std::string* error);
    bool Move(const Step& step, std::string* error);
    bool Screenshot(const Step& step, std::string* error);

    const Plugins& _plugins;
    MainWindow& _window;
};

// The newest plug-in dialog that is still open; null when none is.
HWND NewestPluginWindow();

}  // namespace workbench
