#pragma once

#include <NorvoUITOKA/norvouitoka_qtcommon_export.h>

#include "platform/Colour.h"
#include "platform/Control.h"
#include "platform/Font.h"
#include "platform/Surface.h"

#include <QByteArrayView>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <Qt>

#include <cstdint>
#include <optional>
#include <string>

class QKeyEvent;
class QMouseEvent;

// How model values look in Qt and how Qt input looks to the model.
namespace norvo::qt {

// &HBBGGRR to a QColor; system colours (high bit set) come from the
// application palette.
NORVOUITOKA_QTCOMMON_EXPORT QColor toQColor(Colour colour);

// The platform's fonts at 96 dots per inch, with local stand-ins for faces
// that are missing (FontBook): one QFont per font for the whole process.
NORVOUITOKA_QTCOMMON_EXPORT const QFont& toQFont(const Font& font);

// The top-left width x height block of a surface; what lies past the
// surface shows its background.
NORVOUITOKA_QTCOMMON_EXPORT QImage toQImage(const Surface& surface, int width, int height);

inline QString toQString(const std::string& text) { return QString::fromStdString(text); }
inline std::string toStdString(const QString& text) { return text.toStdString(); }
// Bytes as they are, UTF-8 or not.
inline std::string bytesToStdString(QByteArrayView bytes)
{
    return std::string(bytes.data(), static_cast<std::size_t>(bytes.size()));
}

// The mouse pointer of a MousePointer value (0 default arrow, 99 hand).
NORVOUITOKA_QTCOMMON_EXPORT Qt::CursorShape toCursorShape(std::int32_t mousePointer);

// The model's view of a mouse event: its button (1, 2, 4), shift state and
// position in the widget.
NORVOUITOKA_QTCOMMON_EXPORT MouseEvent toMouseEvent(const QMouseEvent& event);

// The character code a key press gives (Enter 13, Backspace 8), or none for
// keys that type nothing (arrows, modifiers).
NORVOUITOKA_QTCOMMON_EXPORT std::optional<std::int16_t> keyAsciiOf(const QKeyEvent& event);

// Positions in a text counted in characters (as the model counts them) and in
// UTF-16 units (as Qt counts them).
NORVOUITOKA_QTCOMMON_EXPORT std::int32_t characterPosition(const QString& text, int utf16Position);
NORVOUITOKA_QTCOMMON_EXPORT int utf16Position(const QString& text, std::int32_t characterPosition);

} // namespace norvo::qt
