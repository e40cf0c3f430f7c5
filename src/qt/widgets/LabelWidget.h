#pragma once

#include "qt/widgets/ControlWidget.h"

namespace norvo {
class Label;
}

namespace norvo::qt {

// A label: its caption in ForeColor, Font and Alignment, on BackColor unless
// it is transparent.
class LabelWidget : public ControlWidget {
    Q_OBJECT

public:
    LabelWidget(Label& label, QWidget* parent);

    void reflect(Property property) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showCaption();

    Label& label_;
    QString caption_;
};

} // namespace norvo::qt
