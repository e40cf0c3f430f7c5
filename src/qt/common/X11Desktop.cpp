#include "qt/common/X11Desktop.h"

#include <QGuiApplication>
#include <QWindow>

#ifdef NORVO_WITH_X11
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>
#endif

#include <vector>

namespace norvo::qt::X11Desktop {

#ifdef NORVO_WITH_X11

namespace {

Display* display()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

} // namespace

bool present() { return display() != nullptr; }

std::optional<bool> leftButtonDown()
{
    Display* server = display();
    if (!server)
        return std::nullopt;
    Window root = 0;
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int x = 0;
    int y = 0;
    unsigned int buttons = 0;
    if (!XQueryPointer(server, DefaultRootWindow(server), &root, &child, &rootX, &rootY, &x, &y, &buttons))
        return std::nullopt;
    return (buttons & Button1Mask) != 0;
}

bool setShape(QWindow& window, const QRegion& devicePixels)
{
    Display* server = display();
    constexpr QRect Coordinates(0, 0, 0x8000, 0x8000);
    if (!server || !window.handle() || !Coordinates.contains(devicePixels.boundingRect()))
        return false;
    std::vector<XRectangle> rectangles;
    rectangles.reserve(static_cast<std::size_t>(devicePixels.rectCount()));
    for (const QRect& rect : devicePixels)
        rectangles.push_back(XRectangle{static_cast<short>(rect.x()), static_cast<short>(rect.y()),
            static_cast<unsigned short>(rect.width()), static_cast<unsigned short>(rect.height())});
    XShapeCombineRectangles(server, static_cast<Window>(window.winId()), ShapeBounding, 0, 0, rectangles.data(),
        static_cast<int>(rectangles.size()), ShapeSet, YXBanded);
    XFlush(server);
    return true;
}

#else

bool present() { return false; }

std::optional<bool> leftButtonDown() { return std::nullopt; }

bool setShape(QWindow&, const QRegion&) { return false; }

#endif

} // namespace norvo::qt::X11Desktop
