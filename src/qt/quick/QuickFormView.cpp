#include "qt/quick/QuickFormView.h"

#include "platform/ComboBox.h"
#include "platform/Form.h"
#include "qt/common/Conversions.h"
#include "qt/common/EventBoundary.h"
#include "qt/quick/AccessibleItem.h"
#include "qt/quick/ComboBoxItem.h"
#include "qt/quick/FloatingWindow.h"
#include "qt/quick/FocusMarkItem.h"
#include "qt/quick/ToolTipItem.h"

#include <QCursor>
#include <QQuickWindow>

#include <algorithm>
#include <vector>

namespace norvo::qt {

namespace {

// As long as Qt's widgets wait before they show a tooltip.
constexpr int ToolTipDelayMilliseconds = 700;
// Windowed siblings lie above windowless ones; the mark above everything.
constexpr qreal WindowedLayer = 1;
constexpr qreal MarkLayer = 1000;

} // namespace

QuickFormView::QuickFormView(Form& form, QQuickItem* parent)
    : ControlItem(form, parent)
    , form_(form)
    , mark_(new FocusMarkItem(this))
{
    items_.emplace(&form, this);
    build(form, this);
    for (const auto& [control, item] : items_)
        item->reflectAll();
    mark_->setZ(MarkLayer);
    toolTipDelay_.setSingleShot(true);
    toolTipDelay_.setInterval(ToolTipDelayMilliseconds);
    connect(&toolTipDelay_, &QTimer::timeout, this, &QuickFormView::showToolTip);
    form_.addObserver(this);
    AccessibleItem::install();
    QAccessible::installActivationObserver(this);
    if (QAccessible::isActive())
        AccessibleItem::offer(*this);
}

QuickFormView::~QuickFormView()
{
    QAccessible::removeActivationObserver(this);
    form_.removeObserver(this);
    hideToolTip();
}

ControlItem* QuickFormView::itemFor(const Control& control) const
{
    const auto found = items_.find(&control);
    return found == items_.end() ? nullptr : found->second;
}

ControlItem* QuickFormView::createItem(Control& control, QQuickItem* containerItem)
{
    switch (control.kind()) {
    case ControlKind::Timer: return nullptr;
    case ControlKind::ComboBox: return new ComboBoxItem(static_cast<ComboBox&>(control), containerItem);
    default: break;
    }
    return new ControlItem(control, containerItem);
}

void QuickFormView::build(Control& container, QQuickItem* containerItem)
{
    // Children come bottom first, as Qt Quick stacks siblings of one layer.
    for (const auto& child : container.children()) {
        ControlItem* item = createItem(*child, containerItem);
        if (!item)
            continue;
        items_.emplace(child.get(), item);
        if (!child->windowless())
            item->setZ(WindowedLayer);
        build(*child, item);
    }
}

void QuickFormView::reflect(Property property)
{
    switch (property) {
    // The view sits wherever its host puts it and is shown when the host
    // shows it; only the form's size counts.
    case Property::Visible:
    case Property::Left:
    case Property::Top: return;
    case Property::Width:
    case Property::Height: {
        const QSize size(std::max(0, form_.width()), std::max(0, form_.height()));
        if (QSizeF(size) == this->size())
            return;
        setSize(size);
        emit formResized(size);
        return;
    }
    default: ControlItem::reflect(property);
    }
}

void QuickFormView::controlChanged(Control& control, Property property)
{
    if (ControlItem* item = itemFor(control))
        item->reflect(property);
    if (property == Property::ToolTipText || property == Property::Hint)
        if (toolTip_ && hovered_ && &hovered_->control() == &control)
            showToolTip();
}

void QuickFormView::accessibilityActiveChanged(bool active)
{
    if (active)
        AccessibleItem::offer(*this);
}

void QuickFormView::moveFocus(ControlItem* from, bool forward)
{
    std::vector<ControlItem*> stops;
    for (Control* control : form_.tabOrder())
        if (ControlItem* item = itemFor(*control); item && item->isTabStop() && item->isVisible() && item->isEnabled())
            stops.push_back(item);
    if (stops.empty())
        return;
    const auto at = std::find(stops.begin(), stops.end(), from);
    std::size_t next = 0;
    if (at == stops.end())
        next = forward ? 0 : stops.size() - 1;
    else if (forward)
        next = (static_cast<std::size_t>(at - stops.begin()) + 1) % stops.size();
    else
        next = (static_cast<std::size_t>(at - stops.begin()) + stops.size() - 1) % stops.size();
    stops[next]->forceActiveFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void QuickFormView::markFocus(ControlItem* item)
{
    // A combo box shows the focus in its own way.
    if (item->control().kind() != ControlKind::ComboBox)
        mark_->mark(item);
}

void QuickFormView::unmarkFocus(ControlItem* item) { mark_->unmark(item); }

void QuickFormView::hovered(ControlItem* item)
{
    hovered_ = item;
    hideToolTip();
    toolTipDelay_.start();
}

void QuickFormView::left(ControlItem* item)
{
    if (hovered_ != item)
        return;
    hovered_ = nullptr;
    toolTipDelay_.stop();
    hideToolTip();
}

void QuickFormView::showToolTip()
{
    hideToolTip();
    QQuickWindow* shown = window();
    if (!hovered_ || !shown)
        return;
    const QString text = toQString(hovered_->control().shownToolTip());
    if (text.isEmpty())
        return;
    // Below the pointer, as Qt's widgets place it, beyond the panel's window
    // if need be.
    auto* floating = new FloatingWindow(*shown);
    toolTip_ = new ToolTipItem(text, floating->contentItem());
    floating->present(*toolTip_, QCursor::pos() + QPoint(2, 16));
}

void QuickFormView::hideToolTip()
{
    if (toolTip_)
        delete toolTip_->window();
}

} // namespace norvo::qt
