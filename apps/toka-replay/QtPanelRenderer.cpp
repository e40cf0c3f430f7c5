#include "QtPanelRenderer.h"

#include "ScriptCommand.h"

#include "panel/TOKA.h"
#include "qt/widgets/FormView.h"
#include "qt/widgets/PanelSnapshot.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMetaEnum>

#include <stdexcept>
#include <string>
#include <string_view>

namespace norvo::replay {

namespace {

char platformOption[] = "-platform";
char offscreen[] = "offscreen";

// Rounds of the event loop a new window may take to become active.
constexpr int ActivationRounds = 100;

struct KeyStroke {
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

KeyStroke keyStrokeOf(const std::string& key)
{
    static const std::pair<const char*, KeyStroke> named[] = {
        {"Tab", {Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t")}},
        {"Backtab", {Qt::Key_Backtab, Qt::ShiftModifier, QString()}},
        {"Space", {Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")}},
        {"Return", {Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")}},
        {"Escape", {Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b")}},
        {"Left", {Qt::Key_Left, Qt::NoModifier, QString()}},
        {"Right", {Qt::Key_Right, Qt::NoModifier, QString()}},
        {"Up", {Qt::Key_Up, Qt::NoModifier, QString()}},
        {"Down", {Qt::Key_Down, Qt::NoModifier, QString()}},
    };
    for (const auto& [name, stroke] : named)
        if (key == name)
            return stroke;
    // A character: Qt's key code is its upper-case form.
    const QString text = QString::fromStdString(key);
    const QString upper = text.toUpper();
    return {upper.size() == 1 ? int{upper.at(0).unicode()} : int{Qt::Key_unknown}, Qt::NoModifier, text};
}

// Collects what the front end reports of the panel's errors while a key is
// handled (its event boundary logs them), for the script to print.
class BoundaryReports {
public:
    BoundaryReports() { previous_ = qInstallMessageHandler(&BoundaryReports::handle); }
    ~BoundaryReports()
    {
        qInstallMessageHandler(previous_);
        lines_.clear();
    }
    BoundaryReports(const BoundaryReports&) = delete;
    BoundaryReports& operator=(const BoundaryReports&) = delete;

    void rethrow() const
    {
        if (!lines_.isEmpty())
            throw std::runtime_error(lines_.join(QStringLiteral("; ")).toStdString());
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (type == QtWarningMsg && context.category && std::string_view(context.category) == "norvo.panel")
            lines_.append(text);
        else if (previous_)
            previous_(type, context, text);
    }

    static inline QStringList lines_;
    static inline QtMessageHandler previous_ = nullptr;
};

} // namespace

QtPanelRenderer::QtPanelRenderer(int argc, char** argv)
    : programName_(argc > 0 ? argv[0] : "toka-replay")
{
}

QtPanelRenderer::~QtPanelRenderer() = default;

void QtPanelRenderer::ensureApplication()
{
    if (QApplication::instance())
        return;
    // Scripts never show a window on a screen, and render the same wherever
    // they run.
    argv_ = {programName_.data(), platformOption, offscreen, nullptr};
    argc_ = 3;
    application_ = std::make_unique<QApplication>(argc_, argv_.data());
}

qt::FormView& QtPanelRenderer::viewOf(TOKA& panel)
{
    ensureApplication();
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
        for (int round = 0; round < ActivationRounds && QApplication::activeWindow() != view_.get(); ++round)
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
    const KeyStroke stroke = keyStrokeOf(key);
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
    qt::FormView& view = viewOf(panel);
    qt::ControlWidget* const widget = view.widgetFor(control);
    QAccessibleInterface* const shown = widget ? QAccessible::queryAccessibleInterface(&widget->face()) : nullptr;
    if (!shown)
        throw std::runtime_error(control.reference() + " has no widget on the panel");
    switch (item) {
    case AccessibleItem::Name: return shown->text(QAccessible::Name).toStdString();
    case AccessibleItem::Description: return shown->text(QAccessible::Description).toStdString();
    case AccessibleItem::Role: break;
    }
    return QMetaEnum::fromType<QAccessible::Role>().valueToKey(shown->role());
}

void QtPanelRenderer::release(TOKA& panel) noexcept
{
    if (viewed_ != &panel)
        return;
    view_.reset();
    viewed_ = nullptr;
}

} // namespace norvo::replay
