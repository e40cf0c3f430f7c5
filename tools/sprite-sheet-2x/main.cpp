// Draws the high-density sprite sheet, src/labels/SpriteSheet@2x.xpm: every
// image of the 1x sheet drawn again as shapes at twice the size, with round
// outlines, real diagonals and anti-aliased edges, in the 1x sheet's colours.
//
//     draw-sprite-sheet-2x src/labels/SpriteSheet@2x.xpm
//
// Shapes are given in 1x pixel units (a pixel's centre at +0.5) and painted
// at scale 2 into the image's place, each image clipped to its own rectangle.

#include "labels/SpriteSheet.h"
#include "labels/UserLabelGraph.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <exception>
#include <fstream>
#include <initializer_list>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using norvo::Rect;
using norvo::SpriteSheet;
using norvo::UserLabelGraph;

// The 1x sheet's palette.
const QColor Black(0x00, 0x00, 0x00);
const QColor DarkGrey(0x3A, 0x3A, 0x3A);
const QColor Grey(0x8A, 0x8A, 0x8A);
const QColor LightGrey(0xC8, 0xC8, 0xC8);
const QColor White(0xF4, 0xF4, 0xF4);
const QColor Red(0xE8, 0x28, 0x2A);
const QColor DarkRed(0x7A, 0x10, 0x10);
const QColor Green(0x3C, 0xD0, 0x48);
const QColor DarkGreen(0x1A, 0x6A, 0x24);
const QColor Blue(0x2E, 0x78, 0xE8);
const QColor DarkBlue(0x16, 0x3C, 0x8C);
const QColor Yellow(0xFF, 0xD2, 0x3A);
const QColor DarkYellow(0xB8, 0x8A, 0x10);
const QColor LightBlue(0x6D, 0xD9, 0xFF);

void fillEllipse(QPainter& painter, QPointF centre, qreal rx, qreal ry, const QBrush& brush)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(brush);
    painter.drawEllipse(centre, rx, ry);
}

void fillRoundedRect(QPainter& painter, const QRectF& rect, qreal radius, const QColor& colour)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(rect, radius, radius);
}

void stroke(QPainter& painter, const QPainterPath& path, const QColor& colour, qreal width,
    Qt::PenCapStyle cap = Qt::RoundCap, Qt::PenJoinStyle join = Qt::RoundJoin)
{
    painter.setPen(QPen(colour, width, Qt::SolidLine, cap, join));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

QPainterPath polyline(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    for (const QPointF& point : points)
        path.elementCount() == 0 ? path.moveTo(point) : path.lineTo(point);
    return path;
}

// Style 1: a round status lamp, dark when off, lit green with a glint when on.
void drawStatusLamp(QPainter& painter, bool lit)
{
    const QPointF centre(8.5, 8.5);
    fillEllipse(painter, centre, 7.5, 7.5, Grey);
    fillEllipse(painter, centre, 6.5, 6.5, lit ? Green : DarkGrey);
    if (lit) {
        QRadialGradient glint(QPointF(6.3, 6.3), 2.6);
        glint.setColorAt(0.0, White);
        glint.setColorAt(0.45, White);
        glint.setColorAt(1.0, QColor(Green.red(), Green.green(), Green.blue(), 0));
        fillEllipse(painter, QPointF(6.3, 6.3), 2.6, 2.6, glint);
    }
}

// Style 2: a framed box with a red cross (no) or a green tick (yes).
void drawCheckBox(QPainter& painter, bool yes)
{
    fillRoundedRect(painter, QRectF(1, 1, 15, 15), 1.2, Grey);
    fillRoundedRect(painter, QRectF(2, 2, 13, 13), 0.5, DarkGrey);
    if (yes) {
        stroke(painter, polyline({{4.6, 8.6}, {7.4, 11.4}, {12.9, 4.9}}), Green, 2.2);
    } else {
        stroke(painter, polyline({{4.7, 4.7}, {12.3, 12.3}}), Red, 2.3);
        stroke(painter, polyline({{12.3, 4.7}, {4.7, 12.3}}), Red, 2.3);
    }
}

// Style 3: three linked network nodes, red when down, green when up.
void drawNetwork(QPainter& painter, bool up)
{
    const QPointF top(8.5, 3.5);
    const QPointF left(3.5, 12.5);
    const QPointF right(13.5, 12.5);
    QPainterPath links = polyline({left, top, right});
    links.closeSubpath();
    stroke(painter, links, LightGrey, 1.0);
    for (const QPointF& node : {top, left, right}) {
        fillRoundedRect(painter, QRectF(node.x() - 2.5, node.y() - 2.5, 5, 5), 1.1, up ? DarkGreen : DarkRed);
        fillRoundedRect(painter, QRectF(node.x() - 1.5, node.y() - 1.5, 3, 3), 0.5, up ? Green : Red);
    }
}

// Style 4: a round close button with a white cross, blue or yellow.
void drawCloseButton(QPainter& painter, bool highlighted)
{
    const QPointF centre(9, 9.5);
    fillEllipse(painter, centre, 9, 8.5, highlighted ? DarkYellow : DarkBlue);
    fillEllipse(painter, centre, 7.9, 7.4, highlighted ? Yellow : Blue);
    const qreal arm = 3.1;
    stroke(painter, polyline({centre + QPointF(-arm, -arm), centre + QPointF(arm, arm)}), White, 2.3);
    stroke(painter, polyline({centre + QPointF(arm, -arm), centre + QPointF(-arm, arm)}), White, 2.3);
}

// Style 5: a bell, crossed out in red when silenced.
void drawBell(QPainter& painter, bool crossedOut)
{
    fillEllipse(painter, QPointF(9, 12.3), 1.8, 1.7, Yellow);
    fillEllipse(painter, QPointF(9, 1.3), 1.1, 1.1, DarkYellow);

    QPainterPath body;
    body.moveTo(2, 11.5);
    body.cubicTo(2, 10.4, 4.1, 10.0, 4.1, 8.6);
    body.lineTo(4.1, 6.4);
    body.cubicTo(4.1, 3.6, 6.2, 1.8, 9, 1.8);
    body.cubicTo(11.8, 1.8, 13.9, 3.6, 13.9, 6.4);
    body.lineTo(13.9, 8.6);
    body.cubicTo(13.9, 10.0, 16, 10.4, 16, 11.5);
    body.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Yellow);
    painter.drawPath(body);
    fillRoundedRect(painter, QRectF(1.8, 11, 14.4, 1.2), 0.6, DarkYellow);

    if (crossedOut) {
        // A black gap on both sides keeps the slash apart from the bell.
        stroke(painter, polyline({{2.6, 1.6}, {16.0, 13.9}}), Black, 3.4);
        stroke(painter, polyline({{2.6, 1.6}, {16.0, 13.9}}), Red, 2.1);
    }
}

// Style 6: a loudspeaker, with a red cross (off) or green sound waves (on).
void drawLoudspeaker(QPainter& painter, bool on)
{
    QPainterPath outer = polyline({{0, 5}, {4, 5}, {8, 1}, {8, 15}, {4, 11}, {0, 11}});
    outer.closeSubpath();
    QPainterPath inner = polyline({{1, 6}, {4.4, 6}, {8, 2.4}, {8, 13.6}, {4.4, 10}, {1, 10}});
    inner.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(LightGrey);
    painter.drawPath(outer);
    painter.setBrush(White);
    painter.drawPath(inner);

    if (on) {
        const QPointF centre(6, 8);
        const struct {
            qreal radius;
            qreal halfAngle;
        } waves[] = {{5.5, 40}, {8.5, 40}, {11.4, 34}};
        for (const auto& wave : waves) {
            QPainterPath arc;
            const QRectF box(centre.x() - wave.radius, centre.y() - wave.radius, 2 * wave.radius, 2 * wave.radius);
            arc.arcMoveTo(box, wave.halfAngle);
            arc.arcTo(box, wave.halfAngle, -2 * wave.halfAngle);
            stroke(painter, arc, Green, 1.1);
        }
    } else {
        stroke(painter, polyline({{11.2, 5.2}, {16.8, 10.8}}), Red, 2.1);
        stroke(painter, polyline({{16.8, 5.2}, {11.2, 10.8}}), Red, 2.1);
    }
}

// Style 7: a round knob whose red mark points down-left, up or down-right.
void drawKnob(QPainter& painter, int position)
{
    const QPointF centre(10, 10);
    fillEllipse(painter, centre, 9, 9, DarkGrey);
    fillEllipse(painter, centre, 8, 8, Grey);
    fillEllipse(painter, QPointF(9.2, 9.2), 6.7, 6.7, LightGrey);
    const QPointF directions[] = {{-0.7071, 0.7071}, {0, -1}, {0.7071, 0.7071}};
    const QPointF direction = directions[position];
    stroke(painter, polyline({centre + direction * 1.4, centre + direction * 7.2}), Red, 2.0);
}

// Styles 8 to 13: a key cap, blue- or amber-edged, blank or with a letter
// drawn as 1-unit strokes in the box x 7.5..12.5, y 3..9: centred on the
// face, where the 1x letters sit half a pixel to the right.
void drawKeyCap(QPainter& painter, char letter, bool amber)
{
    fillRoundedRect(painter, QRectF(0, 0, 20, 12), 1.6, amber ? Yellow : Blue);
    fillRoundedRect(painter, QRectF(1, 10, 18, 1), 0.5, amber ? DarkYellow : DarkBlue);
    fillRoundedRect(painter, QRectF(2, 2, 16, 8), 0.6, DarkGrey);

    QPainterPath glyph;
    switch (letter) {
    case 'L': glyph = polyline({{8, 3.5}, {8, 8.5}, {12, 8.5}}); break;
    case 'A':
        glyph = polyline({{8, 8.5}, {8, 5.5}});
        glyph.arcTo(QRectF(8, 3.5, 4, 4), 180, -180);
        glyph.lineTo(12, 8.5);
        glyph.moveTo(8, 6.5);
        glyph.lineTo(12, 6.5);
        break;
    case 'S':
        glyph.arcMoveTo(QRectF(8, 3.5, 4, 2.5), 25);
        glyph.arcTo(QRectF(8, 3.5, 4, 2.5), 25, 245);
        glyph.arcTo(QRectF(8, 6, 4, 2.5), 90, -245);
        break;
    case 'T':
        glyph = polyline({{8, 3.5}, {12, 3.5}});
        glyph.moveTo(10, 3.5);
        glyph.lineTo(10, 8.5);
        break;
    case 'H':
        glyph = polyline({{8, 3.5}, {8, 8.5}});
        glyph.moveTo(12, 3.5);
        glyph.lineTo(12, 8.5);
        glyph.moveTo(8, 6);
        glyph.lineTo(12, 6);
        break;
    default: return;
    }
    stroke(painter, glyph, White, 1.0, letter == 'S' ? Qt::FlatCap : Qt::SquareCap, Qt::MiterJoin);
}

// The image of a style and state, in 1x units from its top-left corner.
void drawImage(QPainter& painter, std::int32_t style, std::int32_t state)
{
    static const char KeyCapLetters[] = {0, 'L', 'A', 'S', 'T', 'H'};
    switch (style) {
    case 1: drawStatusLamp(painter, state == 1); break;
    case 2: drawCheckBox(painter, state == 1); break;
    case 3: drawNetwork(painter, state == 1); break;
    case 4: drawCloseButton(painter, state == 1); break;
    case 5: drawBell(painter, state == 0); break;
    case 6: drawLoudspeaker(painter, state == 1); break;
    case 7: drawKnob(painter, state); break;
    case 14: painter.fillRect(QRectF(0, 0, 24, 20), LightBlue); break;
    default: drawKeyCap(painter, KeyCapLetters[style - 8], state == 1); break;
    }
}

QImage drawSheet()
{
    const int scale = SpriteSheet::HighDensityScale;
    QImage sheet(SpriteSheet::Width * scale, SpriteSheet::Height * scale, QImage::Format_RGB32);
    sheet.fill(Black);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::int32_t style = 1; style <= 14; ++style)
        for (std::int32_t state = 0; state < (style == 7 ? 3 : 2); ++state) {
            Rect rect = UserLabelGraph::spriteRectFor(style, state);
            // Style 14's second state lies past the sheet: it has no image.
            if (rect.x + rect.width > SpriteSheet::Width)
                continue;
            // The plain block fills the sheet's last columns from top to
            // bottom, past its key-cap-sized rectangle.
            if (style == 14)
                rect = {rect.x, 0, SpriteSheet::Width - rect.x, SpriteSheet::Height};
            const Rect place = SpriteSheet::highDensityRect(rect);
            painter.save();
            painter.setClipRect(place.x, place.y, place.width, place.height);
            painter.translate(place.x, place.y);
            painter.scale(scale, scale);
            drawImage(painter, style, state);
            painter.restore();
        }
    return sheet;
}

// Two characters per pixel from printable ASCII without '"', '\' and '?'
// (no escapes, no trigraphs); black is "  ".
std::string keyFor(std::size_t index)
{
    static const std::string alphabet = [] {
        std::string chars;
        for (char c = ' '; c <= '~'; ++c)
            if (c != '"' && c != '\\' && c != '?')
                chars += c;
        return chars;
    }();
    if (index >= alphabet.size() * alphabet.size())
        throw std::runtime_error("too many colours for two characters per pixel");
    return {alphabet[index / alphabet.size()], alphabet[index % alphabet.size()]};
}

void writeXpm(const QImage& sheet, const std::string& path)
{
    std::map<QRgb, std::string> keys{{qRgb(0, 0, 0), keyFor(0)}};
    std::vector<QRgb> order{qRgb(0, 0, 0)};
    std::vector<std::string> rows;
    for (int y = 0; y < sheet.height(); ++y) {
        std::string row;
        for (int x = 0; x < sheet.width(); ++x) {
            const QRgb colour = sheet.pixel(x, y) | 0xFF000000u;
            auto found = keys.find(colour);
            if (found == keys.end()) {
                found = keys.emplace(colour, keyFor(order.size())).first;
                order.push_back(colour);
            }
            row += found->second;
        }
        rows.push_back(row);
    }

    std::ofstream out(path);
    out << "/* XPM */\n/* Drawn by tools/sprite-sheet-2x; edit the drawing there, not here. */\n"
        << "static const char* const SpriteSheet_2x_xpm[] = {\n"
        << '"' << sheet.width() << ' ' << sheet.height() << ' ' << order.size() << " 2\",\n";
    char hex[8];
    for (const QRgb colour : order) {
        std::snprintf(hex, sizeof hex, "#%02X%02X%02X", qRed(colour), qGreen(colour), qBlue(colour));
        out << '"' << keys[colour] << " c " << hex << "\",\n";
    }
    for (std::size_t y = 0; y < rows.size(); ++y)
        out << '"' << rows[y] << '"' << (y + 1 < rows.size() ? ",\n" : "\n");
    out << "};\n";
    if (!out.flush())
        throw std::runtime_error("cannot write " + path);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw-sprite-sheet-2x OUT.xpm\n");
        return 2;
    }
    try {
        writeXpm(drawSheet(), argv[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "draw-sprite-sheet-2x: %s\n", error.what());
        return 1;
    }
    std::printf("draw-sprite-sheet-2x: wrote %s\n", argv[1]);
    return 0;
}
