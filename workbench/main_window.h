// FINALE.EXE's main window: the current document's staves in a list, a
// measure range, its current part, and the menus (File, Edit, Documents,
// Plug-ins). Selecting rows and measures sets the document's selection.
#pragma once

#include <windows.h>

#include <string>

#include "workbench/document.h"
#include "workbench/plugins.h"

namespace workbench {

class MainWindow {
public:
    explicit MainWindow(const Plugins& plugins) : _plugins(plugins) {}
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow() { Destroy(); }

    // Creates the window (hidden) with a Plug-ins menu of the loaded entries.
    bool Create(std::string* error);
    HWND Handle() const { return _window; }
    // The current document's staves and selection, as they are now.
    void Refresh();
    void Destroy();

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void Layout(int width, int height);
    void Command(int id);
    void UpdateMenu(HMENU menu);
    void OpenDocument();
    // The rows and the measure range become the document's selection.
    void TakeSelection();
    void ShowSelectionState(const std::string& problem);
    // The document's score and linked parts in the part box, the current one chosen.
    void ShowParts(const Document* document);
    // The part chosen in the box becomes the document's current part.
    void TakePart();

    const Plugins& _plugins;
    HWND _window = nullptr;
    HWND _list = nullptr;
    HWND _from = nullptr;
    HWND _to = nullptr;
    HWND _state = nullptr;
    HWND _parts = nullptr;
    HMENU _editMenu = nullptr;
    HMENU _documentsMenu = nullptr;
    HMENU _pluginMenu = nullptr;
    bool _refreshing = false;
};

}  // namespace workbench
