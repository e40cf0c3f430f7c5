#include "QuickPanelRenderer.h"

#include "AccessibleReading.h"
#include "BoundaryReports.h"
#include "KeyStroke.h"
#include "OffscreenApplication.h"

#include "panel/TOKA.h"
#include "platform/Form.h"
#include "qt/quick/QuickFormView.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QQuickWindow>

#include <stdexcept>
#include <string>

namespace norvo::replay {

QuickPanelRenderer::QuickPanelRenderer(OffscreenApplication& application)
    : application_(application)
{
}

QuickPanelRenderer::~QuickPanelRenderer() = default;

qt::QuickFormView& QuickPanelRenderer::viewOf(TOKA& panel)
{
    application_.ensure();
    if (viewed_ != &panel || !window_) {
        view_ = nullptr;
        window_ = std::make_unique<QQuickWindow>();
        window_->setColor(Qt::black);
        view_ = new qt::QuickFormView(panel.form(), window_->contentItem());
        viewed_ = &panel;
        QQuickWindow* const window = window_.get();
        window->resize(view_->size().toSize());
        QObject::connect(
            view_, &qt::QuickFormView::formResized, window, [window](QSize size) { window->resize(size); });
        Control* const focused = panel.form().focusedControl();
        window->show();
        window->requestActivate();
        for (int round = 0; round < OffscreenApplication::ActivationRounds && QGuiApplication::focusWindow() != window;
             ++round)
            QGuiApplication::processEvents();
        if (QGuiApplication::focusWindow() != window)
            throw std::runtime_error("the panel's window did not become active");
        panel.form().setFocus(focused);
    }
    showPanelFocus(panel);
    return *view_;
}

void QuickPanelRenderer::showPanelFocus(TOKA& panel)
{
    Control* const focused = panel.form().focusedControl();
    qt::ControlItem* const wanted = focused ? view_->itemFor(*focused) : nullptr;
    QQuickItem* const current = window_->activeFocusItem();
    if (wanted && wanted == current)
        return;
    if (wanted)
        wanted->forceActiveFocus(Qt::OtherFocusReason);
    // A control that cannot hold the focus now (a hidden one) leaves the
    // keys to the window.
    if (QQuickItem* const holder = window_->activeFocusItem(); holder && holder != wanted)
        holder->setFocus(false, Qt::OtherFocusReason);
    // The items tell the form of the focus they lose after the event loop.
    QGuiApplication::processEvents();
    panel.form().setFocus(focused);
}

Colour QuickPanelRenderer::pixel(TOKA& panel, std::int32_t x, std::int32_t y)
{
    viewOf(panel);
    const QImage image = window_->grabWindow();
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        throw std::out_of_range("pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") lies outside the panel's "
            + std::to_string(image.width()) + " x " + std::to_string(image.height()) + " pixels");
    const QRgb shown = image.pixel(x, y);
    return rgb(static_cast<std::uint8_t>(qRed(shown)), static_cast<std::uint8_t>(qGreen(shown)),
        static_cast<std::uint8_t>(qBlue(shown)));
}

void QuickPanelRenderer::snapshot(TOKA& panel, const std::filesystem::path& file)
{
    viewOf(panel);
    if (!window_->grabWindow().save(QString::fromStdString(file.string()), "PNG"))
        throw std::runtime_error("cannot write " + file.string());
}

void QuickPanelRenderer::press(TOKA& panel, const std::string& key)
{
    viewOf(panel);
    const KeyStroke stroke = KeyStroke::of(key);
    const BoundaryReports reports;
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        // The window hands the key to the item with the focus.
        QKeyEvent event(type, stroke.key, stroke.modifiers, stroke.text);
        QGuiApplication::sendEvent(window_.get(), &event);
    }
    QGuiApplication::processEvents();
    reports.rethrow();
}

std::string QuickPanelRenderer::accessible(TOKA& panel, const Control& control, AccessibleItem item)
{
    qt::ControlItem* const shown = viewOf(panel).itemFor(control);
    return readAccessible(shown ? QAccessible::queryAccessibleInterface(shown) : nullptr, control, item);
}

void QuickPanelRenderer::release(TOKA& panel) noexcept
{
    if (viewed_ != &panel)
        return;
    view_ = nullptr;
    window_.reset();
    viewed_ = nullptr;
}

} // namespace norvo::replay
