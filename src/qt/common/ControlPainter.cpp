#include "qt/common/ControlPainter.h"

#include "labels/SpriteSheet.h"
#include "labels/UserLabelGraph.h"
#include "platform/Label.h"
#include "platform/Shape.h"
#include "qt/common/Conversions.h"
#include "skin/Skin.h"

#include <QPaintEngine>
#include <QPainter>

#include <cmath>

namespace norvo::qt {

namespace {

Qt::Alignment toQtAlignment(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Right: return Qt::AlignRight;
    case Alignment::Center: return Qt::AlignHCenter;
    case Alignment::Left: break;
    }
    return Qt::AlignLeft;
}

const QImage& highDensitySheet()
{
    static const QImage sheet = [] {
        const Surface& art = SpriteSheet::highDensityImage();
        return toQImage(art, art.width(), art.height());
    }();
    return sheet;
}

QRect toQRect(const Rect& rect) { return QRect(rect.x, rect.y, rect.width, rect.height); }

// The device pixels per control pixel of what the painter paints on: a
// denser device's own ratio (a widget's, an image's), or a scale the painter
// was given (a Qt Quick item's texture at the window's density).
qreal pixelRatioOf(const QPainter& painter)
{
    const QPaintEngine* engine = painter.paintEngine();
    const qreal device = engine && engine->paintDevice() ? engine->paintDevice()->devicePixelRatio() : 1.0;
    return device * std::abs(painter.worldTransform().m11());
}

} // namespace

void ControlPainter::paintBackground(QPainter& painter, const QRect& area, const Control& control)
{
    painter.fillRect(area, toQColor(control.backColor()));
}

QFont ControlPainter::captionFont(const Label& label) { return toQFont(label.font()); }

int ControlPainter::captionFlags(const Label& label)
{
    return int(toQtAlignment(label.alignment()) | Qt::AlignTop | Qt::TextWordWrap);
}

void ControlPainter::paintLabel(QPainter& painter, QSize size, const Label& label, const QString& caption, bool enabled)
{
    const QRect area(QPoint(0, 0), size);
    if (!label.transparent())
        painter.fillRect(area, toQColor(label.backColor()));
    if (caption.isEmpty())
        return;
    painter.setFont(captionFont(label));
    painter.setPen(enabled ? toQColor(label.foreColor()) : QColor(0x80, 0x80, 0x80));
    painter.drawText(area, captionFlags(label), caption);
}

void ControlPainter::paintShape(QPainter& painter, QSize size, const Shape& shape)
{
    const QColor border = toQColor(shape.borderColor());
    const int w = size.width();
    const int h = size.height();
    painter.fillRect(0, 0, w, h, toQColor(shape.fillColor()));
    // Four one-pixel strips rather than a pen: the border stays a whole
    // logical pixel wide at any device pixel ratio.
    painter.fillRect(0, 0, w, 1, border);
    painter.fillRect(0, h - 1, w, 1, border);
    painter.fillRect(0, 0, 1, h, border);
    painter.fillRect(w - 1, 0, 1, h, border);
}

QImage ControlPainter::pictureOf(const UserLabel& label)
{
    if (label.kind() != ControlKind::UserLabelGraph)
        return {};
    return toQImage(static_cast<const UserLabelGraph&>(label).surface(), label.width(), label.height());
}

void ControlPainter::paintPicture(QPainter& painter, QSize size, const UserLabel& label, const QImage& picture)
{
    const QRect area(QPoint(0, 0), size);
    const qreal ratio = pixelRatioOf(painter);
    const std::optional<Rect> sprite = label.kind() == ControlKind::UserLabelGraph
        ? static_cast<const UserLabelGraph&>(label).shownSprite()
        : std::nullopt;
    if (ratio > 1 && sprite) {
        // The same image from the artwork drawn for twice the density;
        // smoothed only where its pixels do not map one to one.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, ratio != std::floor(ratio));
        painter.drawImage(QRectF(area), highDensitySheet(), toQRect(SpriteSheet::highDensityRect(*sprite)));
        return;
    }
    // Otherwise the surface, each of its pixels a sharp block.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(area, picture);
}

void ControlPainter::paintFocusMark(QPainter& painter, QSize size)
{
    const QColor light = toQColor(Skin::FocusMarkLight);
    const QColor dark = toQColor(Skin::FocusMarkDark);
    const int right = size.width() - 1;
    const int bottom = size.height() - 1;
    // Each pixel of the outer ring, or else its neighbour inside: light and
    // dark take turns, two on the outer ring, then two on the inner one. The
    // corners have no neighbour of their own inside.
    const bool twoRings = right >= 3 && bottom >= 3;
    const auto dot = [&](int x, int y, QPoint inside) {
        const int step = (x + y) % 4;
        const QColor& colour = step % 2 == 0 ? light : dark;
        if (step < 2 || !twoRings)
            painter.fillRect(x, y, 1, 1, colour);
        else if (!inside.isNull())
            painter.fillRect(inside.x(), inside.y(), 1, 1, colour);
    };
    for (int x = 0; x <= right; ++x) {
        const bool corner = x == 0 || x == right;
        dot(x, 0, corner ? QPoint() : QPoint(x, 1));
        dot(x, bottom, corner ? QPoint() : QPoint(x, bottom - 1));
    }
    for (int y = 1; y < bottom; ++y) {
        dot(0, y, QPoint(1, y));
        dot(right, y, QPoint(right - 1, y));
    }
}

} // namespace norvo::qt
