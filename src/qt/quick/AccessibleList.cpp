#include "qt/quick/AccessibleList.h"

#include "platform/ComboBox.h"
#include "qt/common/Conversions.h"
#include "qt/quick/AccessibleListEntry.h"
#include "qt/quick/ComboBoxItem.h"
#include "qt/quick/ListPopupItem.h"

#include <QQuickWindow>

namespace norvo::qt {

AccessibleList::AccessibleList(ComboBoxItem& box)
    : box_(&box)
{
}

AccessibleList::~AccessibleList()
{
    for (const QAccessible::Id entry : entries_)
        QAccessible::deleteAccessibleInterface(entry);
}

bool AccessibleList::isValid() const { return box_; }

QObject* AccessibleList::object() const { return nullptr; }

QWindow* AccessibleList::window() const { return box_ ? box_->window() : nullptr; }

QAccessibleInterface* AccessibleList::childAt(int, int) const { return nullptr; }

QAccessibleInterface* AccessibleList::parent() const { return QAccessible::queryAccessibleInterface(box_.data()); }

QAccessibleInterface* AccessibleList::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    while (entries_.size() <= static_cast<std::size_t>(index))
        entries_.push_back(QAccessible::registerAccessibleInterface(
            new AccessibleListEntry(const_cast<AccessibleList&>(*this), static_cast<int>(entries_.size()))));
    return QAccessible::accessibleInterface(entries_[static_cast<std::size_t>(index)]);
}

int AccessibleList::childCount() const { return box_ ? box_->comboBox().listCount() : 0; }

int AccessibleList::indexOfChild(const QAccessibleInterface* child) const
{
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (QAccessible::accessibleInterface(entries_[i]) == child)
            return static_cast<int>(i) < childCount() ? static_cast<int>(i) : -1;
    return -1;
}

// The list goes by the box's name.
QString AccessibleList::text(QAccessible::Text t) const
{
    return box_ && t == QAccessible::Name ? toQString(box_->comboBox().accessibleName()) : QString();
}

void AccessibleList::setText(QAccessible::Text, const QString&) { }

QRect AccessibleList::rect() const
{
    const ListPopupItem* shown = box_ ? box_->list() : nullptr;
    return shown ? QRect(shown->mapToGlobal(QPointF(0, 0)).toPoint(), shown->size().toSize()) : QRect();
}

QAccessible::Role AccessibleList::role() const { return QAccessible::List; }

QAccessible::State AccessibleList::state() const
{
    QAccessible::State state;
    state.invisible = !box_ || !box_->listShown();
    return state;
}

QString AccessibleList::entryText(int position) const
{
    if (!box_ || position >= box_->comboBox().listCount())
        return {};
    return toQString(box_->comboBox().list(position));
}

QRect AccessibleList::entryRect(int position) const
{
    const ListPopupItem* shown = box_ ? box_->list() : nullptr;
    if (!shown)
        return {};
    const QRectF row = shown->rowRect(position);
    return QRect(shown->mapToGlobal(row.topLeft()).toPoint(), row.size().toSize());
}

bool AccessibleList::entryMarked(int position) const
{
    const ListPopupItem* shown = box_ ? box_->list() : nullptr;
    return shown && shown->marked() == position;
}

} // namespace norvo::qt
