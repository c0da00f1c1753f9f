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
    // Control step.first of the plug-in window when it is of the window
    // class and enabled; null, with a message naming `what`, otherwise.
    HWND EnabledControl(const Step& step, const char* windowClass, const char* what, std::string* error) const;
    bool Type(const Step& step, std::string* error);
    bool Spin(const Step& step, std::string* error);
    // Combo box step.first of the plug-in window; null, with a message, when there is none.
    HWND ComboBox(const Step& step, std::string* error) const;
    bool Resize(const Step& step, std::string* error);
    bool Move(const Step& step, std::string* error);
    bool Screenshot(const Step& step, std::string* error);
    bool ChoosePart(const Step& step, std::string* error);
    bool PostKey(const Step& step, std::string* error);
    // Steps a user takes in a list view, with the mouse or the keyboard.
    HWND ListViewControl(const Step& step, std::string* error) const;
    bool ClickHeader(const Step& step, std::string* error);
    bool PressKey(const Step& step, std::string* error);
    bool RightClick(const Step& step, std::string* error);
    bool PrintClipboard(std::string* error);

    const Plugins& _plugins;
    MainWindow& _window;
};

// The newest plug-in dialog that is still open; null when none is.
HWND NewestPluginWindow();

}  // namespace workbench
