#include "KeyStroke.h"

#include <utility>

namespace norvo::replay {

KeyStroke KeyStroke::of(const std::string& key)
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

} // namespace norvo::replay
