#pragma once

#include <QAccessibleWidget>

// The demo's windows as assistive technology reads them: a frame named by
// its title, as Qt's main windows are, where a plain widget would be an
// unnamed filler.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window);

    // Makes Qt ask here for the demo's own windows; once is enough.
    static void install();
};
