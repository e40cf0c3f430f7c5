#pragma once

#include <NorvoUITOKA/norvouitoka_qtcommon_export.h>

#include <QRegion>

#include <optional>

class QWindow;

// What Qt's window calls leave out on an X server, asked of the server
// itself. Off X (another platform, or a build without Xlib) each call says
// it could not.
namespace norvo::qt::X11Desktop {

// Whether Qt runs on an X server that these calls reach.
NORVOUITOKA_QTCOMMON_EXPORT bool present();

// Whether the server has the pointer's left button down now. It may know of
// a release that Qt has not read yet.
NORVOUITOKA_QTCOMMON_EXPORT std::optional<bool> leftButtonDown();

// Makes the region, in device pixels, the outline (bounding shape) of the
// window, which must have its native window. Qt's own mask is in the
// window's pixels: at two device pixels per pixel its curves step by two.
// False off X or for a region beyond the server's 16-bit coordinates.
NORVOUITOKA_QTCOMMON_EXPORT bool setShape(QWindow& window, const QRegion& devicePixels);

} // namespace norvo::qt::X11Desktop
