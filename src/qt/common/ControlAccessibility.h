#pragma once

#include <NorvoUITOKA/norvouitoka_qtcommon_export.h>

#include "platform/Property.h"

#include <QAccessible>
#include <QString>
#include <QStringList>

#include <optional>

namespace norvo {
class Control;
}

namespace norvo::qt {

// What assistive technology is told of a model control, the same on every Qt
// front end: the role, texts, states and actions the model gives it.
class NORVOUITOKA_QTCOMMON_EXPORT ControlAccessibility {
public:
    static QAccessible::Role roleOf(const Control& control);
    // Controls of role None (frames, backgrounds, a label's inner parts) are
    // left out, their children offered in their place.
    static bool isOffered(const Control& control);
    // The name, state in words, combo box text or hint the model gives; none
    // where the front end's own default serves.
    static std::optional<QString> textOf(const Control& control, QAccessible::Text text);
    // Toggles are checkable, a combo box editable and expandable, and a
    // windowless control beneath the windowed siblings that hide all of it
    // is invisible.
    static void addStatesOf(const Control& control, QAccessible::State& state);
    // The actions its role offers, before the front end's own.
    static QStringList actionsOf(const Control& control);
    // Whether the action runs what a click runs (a button's press, a
    // toggle's toggle).
    static bool clicks(const Control& control, const QString& action);
    // The part of a text between two offsets as a text interface reads it
    // (an end of -1 is the text's end), clamped to the text.
    static QString slice(const QString& text, int startOffset, int endOffset);
    // Tells assistive technology of a change of the name, the description,
    // the checked state or (Visible) the visibility of the object showing a
    // control; other properties it does not read.
    static void announce(QObject& shown, Property property);

private:
    static bool covered(const Control& control);
};

} // namespace norvo::qt
