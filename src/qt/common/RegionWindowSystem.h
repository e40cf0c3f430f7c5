#pragma once

#include <NorvoUITOKA/norvouitoka_qtcommon_export.h>

#include "platform/WindowSystem.h"

#include <QRect>
#include <QRegion>

#include <cstdint>
#include <map>
#include <optional>

namespace norvo::qt {

// What the window routines of every Qt front end share: regions live under
// numeric handles until a window accepts one as its outline (it then belongs
// to the window) or they are deleted, and pending events run on Qt's loop.
// A front end applies outlines to its windows and moves them.
class NORVOUITOKA_QTCOMMON_EXPORT RegionWindowSystem : public WindowSystem {
public:
    // A rectangle with rounded corners, right and bottom edges excluded.
    struct RoundRect {
        QRect rect;
        int ellipseWidth = 0;
        int ellipseHeight = 0;

        // Its region at scale device pixels per pixel, in device pixels.
        QRegion region(qreal scale = 1) const;
    };

    RegionWindowSystem() = default;
    RegionWindowSystem(const RegionWindowSystem&) = delete;
    RegionWindowSystem& operator=(const RegionWindowSystem&) = delete;

    std::int32_t CreateRoundRectRgn(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
        std::int32_t ellipseWidth, std::int32_t ellipseHeight) override;
    void DeleteObject(std::int32_t object) override;
    void DoEvents() override;

    // A region still held under its handle (not accepted, not deleted).
    std::optional<QRegion> region(std::int32_t handle) const;

    // The rounded rectangle (left, top)-(right, bottom), right and bottom
    // excluded, with corner ellipses of the given size.
    static QRegion roundRect(const QRect& rect, int ellipseWidth, int ellipseHeight);

protected:
    // The region under the handle, which from now on is a window's; none for
    // an unknown handle.
    std::optional<RoundRect> takeRegion(std::int32_t handle);
    // Whether the left button is still down, as a window move needs: a quick
    // click's release may have run already (DoEvents lets it), or be on its
    // way from an X server that has it.
    static bool leftButtonDown();

private:
    std::map<std::int32_t, RoundRect> regions_;
    std::int32_t lastRegion_ = 0;
};

} // namespace norvo::qt
