// A small plug-in on the framework whose window holds one control of each
// further kind: edit fields stepped by connected up-downs, a list box and a
// tree. The workbench's end-to-end test drives it with scripted steps.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "framework/ui/edit.h"
#include "framework/ui/list_box.h"
#include "framework/ui/resource_window.h"
#include "framework/ui/tree.h"
#include "framework/ui/up_down.h"
#include "host/finale_version.h"
#include "tests/framework/ui/controls_plugin/controls_plugin.h"

namespace {

const char* const kInstruments[] = {"Kick", "Snare", "Hi-Hat"};

class ControlsWindow : public FCResourceWindow {
public:
    ControlsWindow() : FCResourceWindow(CONTROLS_DIALOG)
    {
        _beats = Link(new FCCtrlEdit(CONTROLS_BEATS));
        _tempo = Link(new FCCtrlEdit(CONTROLS_TEMPO));
        _beatsArrows = Link(new FCCtrlUpDown(CONTROLS_BEATS_ARROWS));
        _beatsArrows->ConnectIntegerEdit(_beats, 1, 8);
        Link(new FCCtrlUpDown(CONTROLS_TEMPO_ARROWS))->ConnectDecimalEdit(_tempo, 0.5, 2.5);
        _instruments = Link(new FCCtrlListBox(CONTROLS_INSTRUMENTS));
        _kit = Link(new FCCtrlTree(CONTROLS_KIT));
        _remove = Link(new FCCtrlButton(CONTROLS_REMOVE));
        Link(new FCCtrlButton(CONTROLS_APPLY))->SetCommandRole(FCControl::kOkRole);
        Link(new FCCtrlButton(CONTROLS_CLOSE))->SetCommandRole(FCControl::kCloseRole);
    }

    void InitWindow() override
    {
        FCResourceWindow::InitWindow();
        FCString text("4");
        _beats->SetText(&text);
        _beats->SetMaxLength(3);
        _beatsArrows->SetRange(1, 8);
        _tempo->SetFloat(1.0f);
        for (const char* name : kInstruments) {
            text.SetCString(name);
            _instruments->AddString(&text);
        }
        _instruments->SetSelectedItem(1);
        FCTreeNode* drums = AddNode(nullptr, true, "Drums");
        AddNode(drums, false, "Kick");
        FCTreeNode* snare = AddNode(drums, false, "Snare");
        FCTreeNode* cymbals = AddNode(nullptr, true, "Cymbals");
        AddNode(cymbals, false, "Ride");
        text.SetCString("Crash");
        _kit->InsertNodeAt(cymbals, &text, 0);
        text.SetCString("Tom");
        _kit->InsertNodeAt(drums, &text, 99);
        _kit->SetSelectedNode(snare);
    }

    // The items belong to this dialog's tree view: they go with it.
    void CloseWindow() override
    {
        _kit->Clear();
        FCResourceWindow::CloseWindow();
    }

    // Apply: the beats kept within their range, the tempo with two decimals,
    // both told in the selected instrument's entry and on the selected node.
    void OkButtonPressed() override
    {
        _beats->AdjustIntegerWithin(1, 8);
        int beats = _beats->GetInteger(1, 8);
        float tempo = _tempo->GetFloat(0.5f, 2.5f);
        _tempo->SetFloat(tempo);
        int selected = _instruments->GetSelectedItem();
        char line[64];
        if (selected >= 0 && selected < 3) {
            std::snprintf(line, sizeof line, "%s: %d at %.2f", kInstruments[selected], beats, tempo);
            FCString text(line);
            _instruments->SetItemText(selected, &text);
        }
        if (FCTreeNode* node = _kit->GetSelectedNode()) {
            FCString caption;
            node->GetText(&caption);
            caption.Append(" x");
            caption.AppendInteger(beats);
            node->SetText(&caption);
            node->UpdateText();
        }
    }

    bool HandleCommand(FCControl* control) override
    {
        if (control == _remove) {
            FCTreeNode* node = _kit->GetSelectedNode();
            if (node != nullptr && _kit->DeleteNode(node)) {
                delete node;
            }
            return true;
        }
        return false;
    }

private:
    template <typename Control>
    Control* Link(Control* control)
    {
        Add(control);
        control->SetOwnerWindow(this);
        return control;
    }

    FCTreeNode* AddNode(FCTreeNode* parent, bool container, const char* caption)
    {
        FCString text(caption);
        return _kit->AddNode(parent, container, &text);
    }

    FCCtrlEdit* _beats;
    FCCtrlEdit* _tempo;
    FCCtrlUpDown* _beatsArrows;
    FCCtrlListBox* _instruments;
    FCCtrlTree* _kit;
    FCCtrlButton* _remove;
};

// Kept for the library's life, as a tool keeps its window.
ControlsWindow* g_window;

}  // namespace

extern "C" unsigned long WINAPI FinaleExtensionVersion(unsigned long runningVersion)
{
    SetFinaleFrameworkVersion(runningVersion);
    return 0x10000000;
}

extern "C" long WINAPI FinaleExtensionInit(long, unsigned long* flags)
{
    if (flags != nullptr) {
        *flags |= 1;
    }
    return 1;
}

extern "C" long WINAPI FinaleExtensionEnumerate(long, long index, char* record)
{
    if (static_cast<short>(index) > 0 || record == nullptr) {
        return 0;
    }
    std::strncpy(record, "Controls Test...", 64);
    std::strncpy(record + 64, "Shows one control of each further kind.", 64);
    std::strncpy(record + 128, "Controls", 64);
    return 1;
}

extern "C" long WINAPI FinaleExtensionInvoke(HWND hostWindow, long, long, long)
{
    try {
        if (g_window == nullptr) {
            g_window = new ControlsWindow;
        }
        g_window->ShowModeless(hostWindow);
    } catch (...) {
    }
    return 0;
}

extern "C" void WINAPI FinaleExtensionTerminate(long) {}

extern "C" long WINAPI FinaleExtensionGetMenuStatus(long)
{
    return 1;
}
