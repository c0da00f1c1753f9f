// FCCtrlTree, a tree view whose items are mirrored by FCTreeNode objects,
// and FCTreeNode, one node: its caption, its item and its child nodes.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "framework/data/string.h"
#include "framework/ui/controls.h"

class FCCtrlTree;

// Its elements are its child nodes, which it owns. The user data is the
// caller's, and what FindUserDataNode looks for.
class FCTreeNode : public __FCCollection {
public:
    FCTreeNode() = default;
    // Deletes the node's item, with which the control deletes the sub-items;
    // then the child nodes go. The list that holds the node destroys it, or
    // its caller after DeleteNode.
    ~FCTreeNode() override;
    const char* ClassName() const override { return "FCTreeNode"; }

    // Attributes.
    FCTreeNode* GetItemAt(int index) const { return static_cast<FCTreeNode*>(__FCCollection::GetItemAt(index)); }
    bool IsContainer() const { return _container; }
    // Null for a node that is in no tree, or was taken out of one.
    FCCtrlTree* GetTree() const { return _tree; }
    HTREEITEM _GetItem() const { return _item; }
    void GetText(FCString* text) const;
    // Only the node's caption: UpdateText shows it.
    void SetText(FCString* text);

    // Operations.
    // The control's answer; 0 for a node without a tree or an item.
    int UpdateText();

private:
    // The node and all below it no longer belong to the control: their
    // items are gone with it.
    void _ForgetControl();

    HTREEITEM _item = nullptr;
    bool _container = false;
    FCString _text;
    FCCtrlTree* _tree = nullptr;
    __FCCollection* _parentList = nullptr;

    friend class FCCtrlTree;
};

// Searches go depth first, each node before its children, in list order;
// `start` null searches the whole tree, otherwise the nodes below `start`.
class FCCtrlTree : public FCControl {
public:
    using FCControl::FCControl;
    ~FCCtrlTree() override;
    const char* ClassName() const override { return "FCCtrlTree"; }

    // Attributes.
    bool IsNodeAttached(FCTreeNode* node, FCTreeNode* start);
    // The node of the control's selected item; null when none is selected.
    FCTreeNode* GetSelectedNode();
    FCTreeNode* FindUserDataNode(void* data, FCTreeNode* start);
    FCTreeNode* _MapItem(void* item, FCTreeNode* start);

    // Operations. New nodes are null when the parent is not in this tree
    // or the control refuses the item.
    // A root node when parent is null; appended to the parent's children.
    FCTreeNode* AddNode(FCTreeNode* parent, bool container, FCString* text);
    // At the index among the parent's children, or last when it has fewer.
    FCTreeNode* InsertNodeAt(FCTreeNode* parent, FCString* text, int index);
    // Takes the node and its items out of the tree; the node with its
    // children is the caller's then.
    bool DeleteNode(FCTreeNode* node);
    bool SetSelectedNode(FCTreeNode* node);
    // Deletes and destroys every node.
    void Clear();
    void CloseAllContainers() {}

private:
    template <typename Match>
    FCTreeNode* FindBelow(FCTreeNode* start, const Match& match);
    // A new node with its item under `parent`'s (a root item for null),
    // after `after`, not yet in its list; null when the control refuses it.
    FCTreeNode* InsertNode(FCTreeNode* parent, bool container, FCString* text, HTREEITEM after);
    static void EmptyList(__FCCollection* list);
    long Send(unsigned int message, unsigned int wParam, long lParam);

    __FCCollection _rootNodes;

    friend class FCTreeNode;
};
