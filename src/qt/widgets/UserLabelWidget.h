#pragma once

#include "qt/widgets/ControlWidget.h"

#include <QImage>

namespace norvo {
class UserLabel;
}

namespace norvo::qt {

// A skinned label's own surface; its shape and caption children have widgets
// of their own above it. A UserLabelGraph shows the top-left block of its
// drawing surface, one image pixel per control pixel; on a denser screen, the
// sprite it shows is drawn from the high-density artwork instead. A UserLabel
// shows its BackColor.
class UserLabelWidget : public ControlWidget {
    Q_OBJECT

public:
    UserLabelWidget(UserLabel& label, QWidget* parent);

    void reflect(Property property) override;

    // What the control shows of its drawing surface; null for a UserLabel.
    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void takePicture();

    UserLabel& label_;
    QImage picture_;
};

} // namespace norvo::qt
