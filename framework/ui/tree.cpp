// FCCtrlTree and FCTreeNode: the node lists kept in step with the tree
// view's items through the tree-view messages.
#include "framework/ui/tree.h"

FCTreeNode::~FCTreeNode()
{
    if (_tree != nullptr && _item != nullptr) {
        _tree->Send(TVM_DELETEITEM, 0, reinterpret_cast<long>(_item));
        // The control took the sub-items with it: the children, destroyed
        // next, must not address them again.
        _ForgetControl();
    }
}

void FCTreeNode::_ForgetControl()
{
    _item = nullptr;
    _tree = nullptr;
    for (int i = 0; i < GetCount(); ++i) {
        GetItemAt(i)->_ForgetControl();
    }
}

void FCTreeNode::GetText(FCString* text) const
{
    if (text != nullptr) {
        text->SetString(&_text);
    }
}

void FCTreeNode::SetText(FCString* text)
{
    if (text != nullptr) {
        _text.SetString(text);
    } else {
        _text.SetCString("");
    }
}

int FCTreeNode::UpdateText()
{
    if (_tree == nullptr || _item == nullptr) {
        return 0;
    }
    TVITEMA item = {};
    item.mask = TVIF_TEXT;
    item.hItem = _item;
    item.pszText = _text.GetCString();
    return static_cast<int>(_tree->Send(TVM_SETITEMA, 0, reinterpret_cast<long>(&item)));
}

FCCtrlTree::~FCCtrlTree()
{
    Clear();
}

long FCCtrlTree::Send(unsigned int message, unsigned int wParam, long lParam)
{
    return static_cast<long>(SendMessageA(_GetWindow(), message, wParam, lParam));
}

template <typename Match>
FCTreeNode* FCCtrlTree::FindBelow(FCTreeNode* start, const Match& match)
{
    const __FCCollection* list = start != nullptr ? start : &_rootNodes;
    for (int i = 0; i < list->GetCount(); ++i) {
        auto* node = static_cast<FCTreeNode*>(list->GetItemAt(i));
        if (match(node)) {
            return node;
        }
        if (FCTreeNode* found = FindBelow(node, match)) {
            return found;
        }
    }
    return nullptr;
}

bool FCCtrlTree::IsNodeAttached(FCTreeNode* node, FCTreeNode* start)
{
    return node != nullptr && FindBelow(start, [node](FCTreeNode* candidate) { return candidate == node; }) != nullptr;
}

FCTreeNode* FCCtrlTree::_MapItem(void* item, FCTreeNode* start)
{
    if (item == nullptr) {
        return nullptr;
    }
    return FindBelow(start, [item](FCTreeNode* candidate) { return candidate->_item == item; });
}

FCTreeNode* FCCtrlTree::FindUserDataNode(void* data, FCTreeNode* start)
{
    return FindBelow(start, [data](FCTreeNode* candidate) { return candidate->GetUserData() == data; });
}

FCTreeNode* FCCtrlTree::GetSelectedNode()
{
    return _MapItem(reinterpret_cast<void*>(Send(TVM_GETNEXTITEM, TVGN_CARET, 0)), nullptr);
}

bool FCCtrlTree::SetSelectedNode(FCTreeNode* node)
{
    if (!IsNodeAttached(node, nullptr)) {
        return false;
    }
    return Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<long>(node->_item)) != 0;
}

FCTreeNode* FCCtrlTree::InsertNode(FCTreeNode* parent, bool container, FCString* text, HTREEITEM after)
{
    auto* node = new FCTreeNode;
    node->SetText(text);
    node->_container = container;
    node->_tree = this;
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent != nullptr ? parent->_item : nullptr;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = node->_text.GetCString();
    insert.item.lParam = reinterpret_cast<LPARAM>(node);
    node->_item = reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEMA, 0, reinterpret_cast<long>(&insert)));
    if (node->_item == nullptr) {
        delete node;
        return nullptr;
    }
    node->_parentList = parent != nullptr ? static_cast<__FCCollection*>(parent) : &_rootNodes;
    return node;
}

FCTreeNode* FCCtrlTree::AddNode(FCTreeNode* parent, bool container, FCString* text)
{
    if (parent != nullptr && !IsNodeAttached(parent, nullptr)) {
        return nullptr;
    }
    FCTreeNode* node = InsertNode(parent, container, text, TVI_LAST);
    if (node != nullptr) {
        node->_parentList->Add(node);
    }
    return node;
}

FCTreeNode* FCCtrlTree::InsertNodeAt(FCTreeNode* parent, FCString* text, int index)
{
    if (index < 0 || parent == nullptr || !IsNodeAttached(parent, nullptr)) {
        return nullptr;
    }
    if (index > parent->GetCount()) {
        index = parent->GetCount();
    }
    HTREEITEM after = index == 0 ? TVI_FIRST : parent->GetItemAt(index - 1)->_item;
    FCTreeNode* node = InsertNode(parent, false, text, after);
    if (node != nullptr) {
        parent->InsertItemAt(node, index);
    }
    return node;
}

bool FCCtrlTree::DeleteNode(FCTreeNode* node)
{
    if (node == nullptr || node->_tree != this || node->_parentList == nullptr) {
        return false;
    }
    int index = node->_parentList->GetIndexOf(node);
    if (index < 0) {
        return false;
    }
    Send(TVM_DELETEITEM, 0, reinterpret_cast<long>(node->_item));
    node->_parentList->DeleteItemAt(index);
    node->_parentList = nullptr;
    // Its destruction must not address the deleted items again.
    node->_ForgetControl();
    return true;
}

void FCCtrlTree::EmptyList(__FCCollection* list)
{
    while (list->GetCount() > 0) {
        int last = list->GetCount() - 1;
        auto* node = static_cast<FCTreeNode*>(list->GetItemAt(last));
        EmptyList(node);
        list->DeleteItemAt(last);
        delete node;
    }
}

void FCCtrlTree::Clear()
{
    EmptyList(&_rootNodes);
}
