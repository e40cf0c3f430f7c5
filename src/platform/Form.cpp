#include "platform/Form.h"

#include <algorithm>

namespace norvo {

Form::Form(std::string name)
    : Control(ControlKind::Form, std::move(name))
{
}

void Form::setFocus(Control* control)
{
    if (control && &control->root() != this)
        throw NoSuchControl("cannot focus " + control->reference() + ": not on form " + name());
    if (focused_ == control)
        return;
    focused_ = control;
    focusChanged();
}

std::vector<Control*> Form::tabOrder()
{
    std::vector<Control*> order;
    std::function<void(Control&)> collect = [&](Control& c) {
        for (const auto& child : c.children()) {
            if (child->tabIndex() >= 0)
                order.push_back(child.get());
            collect(*child);
        }
    };
    collect(*this);
    std::stable_sort(
        order.begin(), order.end(), [](const Control* a, const Control* b) { return a->tabIndex() < b->tabIndex(); });
    return order;
}

void Form::resized()
{
    if (onResize)
        onResize();
}

} // namespace norvo
