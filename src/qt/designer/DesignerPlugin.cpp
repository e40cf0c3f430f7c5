#include "DesignerPlugin.h"

#include "TokaWidgetPlugin.h"

namespace norvo::qt {

DesignerPlugin::DesignerPlugin(QObject* parent)
    : QObject(parent)
{
    widgets_.push_back(std::make_unique<TokaWidgetPlugin>());
}

DesignerPlugin::~DesignerPlugin() = default;

QList<QDesignerCustomWidgetInterface*> DesignerPlugin::customWidgets() const
{
    QList<QDesignerCustomWidgetInterface*> widgets;
    for (const auto& widget : widgets_)
        widgets.append(widget.get());
    return widgets;
}

} // namespace norvo::qt
