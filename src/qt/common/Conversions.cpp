#include "qt/common/Conversions.h"

#include "qt/common/FontBook.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>

#include <algorithm>

namespace norvo::qt {

namespace {

QColor systemColour(std::uint32_t index)
{
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case 5: return palette.color(QPalette::Base);
    case 8: return palette.color(QPalette::WindowText);
    case 13: return palette.color(QPalette::Highlight);
    case 14: return palette.color(QPalette::HighlightedText);
    case 15: return palette.color(QPalette::Button);
    case 18: return palette.color(QPalette::ButtonText);
    default: return palette.color(QPalette::Window);
    }
}

} // namespace

QColor toQColor(Colour colour)
{
    if (colour & 0x80000000u)
        return systemColour(colour & 0xFFFFFFu);
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

const QFont& toQFont(const Font& font) { return FontBook::shared().font(font); }

QImage toQImage(const Surface& surface, int width, int height)
{
    QImage image(std::max(0, width), std::max(0, height), QImage::Format_RGB32);
    image.fill(toQColor(surface.background()));
    const int shownWidth = std::min(image.width(), surface.width());
    const int shownHeight = std::min(image.height(), surface.height());
    for (int y = 0; y < shownHeight; ++y) {
        const std::span<const Colour> row = surface.row(y).first(static_cast<std::size_t>(shownWidth));
        std::transform(row.begin(), row.end(), reinterpret_cast<QRgb*>(image.scanLine(y)),
            [](Colour colour) { return qRgb(redOf(colour), greenOf(colour), blueOf(colour)); });
    }
    return image;
}

Qt::CursorShape toCursorShape(std::int32_t mousePointer)
{
    switch (mousePointer) {
    case 2: return Qt::CrossCursor;
    case 3: return Qt::IBeamCursor;
    case 11: return Qt::WaitCursor;
    case 12: return Qt::ForbiddenCursor;
    case 13: return Qt::BusyCursor;
    case 99: return Qt::PointingHandCursor;
    default: return Qt::ArrowCursor;
    }
}

MouseEvent toMouseEvent(const QMouseEvent& event)
{
    MouseEvent result;
    switch (event.button()) {
    case Qt::RightButton: result.button = RightButton; break;
    case Qt::MiddleButton: result.button = MiddleButton; break;
    case Qt::NoButton: {
        // A move reports every button held down.
        const Qt::MouseButtons held = event.buttons();
        result.button = (held & Qt::LeftButton ? LeftButton : 0) | (held & Qt::RightButton ? RightButton : 0)
            | (held & Qt::MiddleButton ? MiddleButton : 0);
        break;
    }
    default: result.button = LeftButton; break;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    result.shift = (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
    result.x = static_cast<float>(event.position().x());
    result.y = static_cast<float>(event.position().y());
    return result;
}

std::optional<std::int16_t> keyAsciiOf(const QKeyEvent& event)
{
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        return std::int16_t{13};
    // Delete edits the text but is no character.
    if (event.key() == Qt::Key_Delete)
        return std::nullopt;
    const QString text = event.text();
    if (text.isEmpty())
        return std::nullopt;
    const char16_t code = text.at(0).unicode();
    // Character codes are single bytes; anything beyond Latin-1 types a '?'
    // as the conversion to the platform's code page would.
    return static_cast<std::int16_t>(code <= 0xFF ? code : u'?');
}

std::int32_t characterPosition(const QString& text, int utf16Position)
{
    std::int32_t characters = 0;
    for (int i = 0; i < utf16Position && i < text.size(); ++i)
        if (!text.at(i).isLowSurrogate())
            ++characters;
    return characters;
}

int utf16Position(const QString& text, std::int32_t characterPosition)
{
    int position = 0;
    for (std::int32_t seen = 0; position < text.size(); ++position) {
        if (text.at(position).isLowSurrogate())
            continue;
        if (seen == characterPosition)
            break;
        ++seen;
    }
    return position;
}

} // namespace norvo::qt
