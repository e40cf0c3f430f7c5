#include "QtPanelRenderer.h"

#include "AccessibleReading.h"
#include "BoundaryReports.h"
#include "KeyStroke.h"
#include "OffscreenApplication.h"

#include "panel/TOKA.h"
#include "qt/widgets/FormView.h"
#include "qt/widgets/PanelSnapshot.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>

#include <stdexcept>
#include <string>

namespace norvo::replay {

QtPanelRenderer::QtPanelRenderer(OffscreenApplication& application)
    : application_(application)
{
}

QtPanelRenderer::~QtPanelRenderer() = default;

qt::FormView& QtPanelRenderer::viewOf(TOKA& panel)
{
    application_.ensure();
    if (viewed_ != &panel || !view_) {
        view_.reset();
        viewed_ = nullptr;
        view_ = std::make_unique<qt::FormView>(panel.form());
        viewed_ = &panel;
        // Qt focuses the first tab stop of a window it activates; the panel's
        // focus is the script's, so it is put back below.
        Control* const focused = panel.form().focusedControl();
        view_->show();
        view_->activateWindow();
        for (int round = 0;
             round < OffscreenApplication::ActivationRounds && QApplication::activeWindow() != view_.get(); ++round)
            QApplication::processEvents();
        if (QApplication::activeWindow() != view_.get())
            throw std::runtime_error("the panel's window did not become active");
        panel.form().setFocus(focused);
    }
    showPanelFocus(panel);
    return *view_;
}

void QtPanelRenderer::showPanelFocus(TOKA& panel)
{
    Control* const focused = panel.form().focusedControl();
    qt::ControlWidget* const widget = focused ? view_->widgetFor(*focused) : nullptr;
    QWidget* const wanted = widget ? &widget->face() : nullptr;
    QWidget* const current = QApplication::focusWidget();
    if (wanted == current)
        return;
    if (wanted)
        wanted->setFocus(Qt::OtherFocusReason);
    // A control that cannot hold the focus now (a hidden one) leaves the
    // keys to the window.
    if (QApplication::focusWidget() != wanted && current)
        current->clearFocus();
    panel.form().setFocus(focused);
}

Colour QtPanelRenderer::pixel(TOKA& panel, std::int32_t x, std::int32_t y)
{
    const QImage image = qt::PanelSnapshot::grab(viewOf(panel));
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        throw std::out_of_range("pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") lies outside the panel's "
            + std::to_string(image.width()) + " x " + std::to_string(image.height()) + " pixels");
    const QRgb shown = image.pixel(x, y);
    return rgb(static_cast<std::uint8_t>(qRed(shown)), static_cast<std::uint8_t>(qGreen(shown)),
        static_cast<std::uint8_t>(qBlue(shown)));
}

void QtPanelRenderer::snapshot(TOKA& panel, const std::filesystem::path& file)
{
    const QImage image = qt::PanelSnapshot::grab(viewOf(panel));
    if (!image.save(QString::fromStdString(file.string()), "PNG"))
        throw std::runtime_error("cannot write " + file.string());
}

void QtPanelRenderer::press(TOKA& panel, const std::string& key)
{
    qt::FormView& view = viewOf(panel);
    const KeyStroke stroke = KeyStroke::of(key);
    const BoundaryReports reports;
    const auto send = [&](QEvent::Type type) {
        QWidget* const focus = QApplication::focusWidget();
        QKeyEvent event(type, stroke.key, stroke.modifiers, stroke.text);
        QApplication::sendEvent(focus ? focus : &view, &event);
    };
    send(QEvent::KeyPress);
    // The release goes where the press left the focus, as on a keyboard.
    send(QEvent::KeyRelease);
    QApplication::processEvents();
    reports.rethrow();
}

std::string QtPanelRenderer::accessible(TOKA& panel, const Control& control, AccessibleItem item)
{
    qt::ControlWidget* const widget = viewOf(panel).widgetFor(control);
    return readAccessible(widget ? QAccessible::queryAccessibleInterface(&widget->face()) : nullptr, control, item);
}

void QtPanelRenderer::release(TOKA& panel) noexcept
{
    if (viewed_ != &panel)
        return;
    view_.reset();
    viewed_ = nullptr;
}

} // namespace norvo::replay
