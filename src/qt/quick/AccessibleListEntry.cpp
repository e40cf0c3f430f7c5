#include "qt/quick/AccessibleListEntry.h"

#include "qt/quick/AccessibleList.h"

namespace norvo::qt {

AccessibleListEntry::AccessibleListEntry(AccessibleList& list, int position)
    : list_(list)
    , position_(position)
{
}

bool AccessibleListEntry::isValid() const { return list_.isValid() && position_ < list_.childCount(); }

QObject* AccessibleListEntry::object() const { return nullptr; }

QWindow* AccessibleListEntry::window() const { return list_.window(); }

QAccessibleInterface* AccessibleListEntry::childAt(int, int) const { return nullptr; }

QAccessibleInterface* AccessibleListEntry::parent() const { return &list_; }

QAccessibleInterface* AccessibleListEntry::child(int) const { return nullptr; }

int AccessibleListEntry::childCount() const { return 0; }

int AccessibleListEntry::indexOfChild(const QAccessibleInterface*) const { return -1; }

QString AccessibleListEntry::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? list_.entryText(position_) : QString();
}

void AccessibleListEntry::setText(QAccessible::Text, const QString&) { }

QRect AccessibleListEntry::rect() const { return list_.entryRect(position_); }

QAccessible::Role AccessibleListEntry::role() const { return QAccessible::ListItem; }

QAccessible::State AccessibleListEntry::state() const
{
    QAccessible::State state = list_.state();
    state.selectable = true;
    state.focusable = !state.invisible;
    state.selected = state.focused = list_.entryMarked(position_);
    return state;
}

} // namespace norvo::qt
