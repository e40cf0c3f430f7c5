#pragma once

#include <NorvoUITOKA/norvouitoka_qtcommon_export.h>

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

namespace norvo {
class Control;
class Label;
class Shape;
class UserLabel;
} // namespace norvo

namespace norvo::qt {

// The look of each kind of model control, painted in control pixels on any
// paint device (a widget, an image, a Qt Quick item), so that every Qt front
// end shows the same pixels. Each paints the control's whole rectangle of the
// given size, origin at the painter's.
class NORVOUITOKA_QTCOMMON_EXPORT ControlPainter {
public:
    // Forms, frames, picture boxes and UserLabels: BackColor.
    static void paintBackground(QPainter& painter, const QRect& area, const Control& control);
    // The caption in ForeColor, Font and Alignment, on BackColor unless the
    // label is transparent; greyed when disabled (the control or one that
    // holds it).
    static void paintLabel(QPainter& painter, QSize size, const Label& label, const QString& caption, bool enabled);
    static QFont captionFont(const Label& label);
    static int captionFlags(const Label& label);
    // FillColor inside a one-pixel BorderColor border.
    static void paintShape(QPainter& painter, QSize size, const Shape& shape);
    // A UserLabelGraph's picture (what it shows of its surface, taken by
    // pictureOf); on a denser device the sprite it shows comes from the
    // high-density artwork.
    static void paintPicture(QPainter& painter, QSize size, const UserLabel& label, const QImage& picture);
    static QImage pictureOf(const UserLabel& label);
    // The dotted two-pixel focus frame along the edge of a control of the
    // given size.
    static void paintFocusMark(QPainter& painter, QSize size);
};

} // namespace norvo::qt
