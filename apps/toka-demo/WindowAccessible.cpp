#include "WindowAccessible.h"

#include <QWidget>

WindowAccessible::WindowAccessible(QWidget* window)
    : QAccessibleWidget(window, QAccessible::Window)
{
}

void WindowAccessible::install()
{
    QAccessible::installFactory([](const QString& className, QObject* object) -> QAccessibleInterface* {
        if (className != QLatin1String("HostWindow") && className != QLatin1String("SimulationConsole"))
            return nullptr;
        return new WindowAccessible(qobject_cast<QWidget*>(object));
    });
}
