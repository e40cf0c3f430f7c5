// Renders every picture the skinned labels can show into one PNG: the 1x and
// high-density sprite sheets enlarged with their layout, each picture style
// and state as a UserLabelGraph draws it, and the seven colour styles of a
// UserLabel.

#include "labels/SpriteSheet.h"
#include "labels/UserLabelGraph.h"
#include "platform/ManualClock.h"

#include "ProgramCommandLine.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace norvo;

constexpr int Margin = 16;
constexpr int SheetScale = 4;
const QColor PageColour(40, 40, 44);
const QColor InkColour(230, 230, 230);
const QColor GridColour(255, 0, 255);

QColor qColour(Colour c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

// One image of the sheet: the style and state that show it.
struct Sprite {
    std::int32_t style;
    std::int32_t state;
    Rect rect;
};

std::vector<Sprite> sprites()
{
    std::vector<Sprite> all;
    for (std::int32_t style = 1; style <= 14; ++style)
        for (std::int32_t state = 0; state < (style == 7 ? 3 : 2); ++state)
            all.push_back({style, state, UserLabelGraph::spriteRectFor(style, state)});
    return all;
}

void heading(QPainter& painter, int y, const QString& text)
{
    QFont font("DejaVu Sans", 13);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(InkColour);
    painter.drawText(Margin, y, text);
}

void small(QPainter& painter, int x, int y, const QString& text)
{
    painter.setFont(QFont("DejaVu Sans", 8));
    painter.setPen(InkColour);
    painter.drawText(x, y, text);
}

// The surface block (0, 0, width, height) enlarged at (x, y).
void drawBlock(QPainter& painter, const Surface& surface, const Rect& block, int x, int y, int scale)
{
    for (std::int32_t row = 0; row < block.height; ++row)
        for (std::int32_t column = 0; column < block.width; ++column) {
            const std::int32_t sx = block.x + column;
            const Colour c = sx >= 0 && sx < surface.width() ? surface.pixel(sx, block.y + row) : 0xC0FFC0;
            painter.fillRect(x + column * scale, y + row * scale, scale, scale, qColour(c));
        }
}

// Both sheets in two halves, the high-density one under the 1x one at half
// the enlargement so that each image lines up with its 1x original; each image
// framed, named by style/state and x on the 1x sheet, and by its x on the
// high-density one.
int drawSheets(QPainter& painter, int top)
{
    heading(
        painter, top + 14, "Sprite sheets: 1x (534 x 20) enlarged x4, high density (1068 x 40) below it enlarged x2");
    top += 30;
    const struct {
        const Surface& image;
        std::int32_t density;
    } sheets[] = {{SpriteSheet::image(), 1}, {SpriteSheet::highDensityImage(), SpriteSheet::HighDensityScale}};
    const std::int32_t halves[][2] = {{0, 270}, {270, SpriteSheet::Width}};
    for (const auto& half : halves)
        for (const auto& sheet : sheets) {
            const int y = top + 14;
            const std::int32_t d = sheet.density;
            drawBlock(painter, sheet.image, {half[0] * d, 0, (half[1] - half[0]) * d, SpriteSheet::Height * d}, Margin,
                y, SheetScale / d);
            for (const Sprite& sprite : sprites()) {
                const Rect& r = sprite.rect;
                if (r.x < half[0] || r.x >= half[1] || r.x + r.width > SpriteSheet::Width)
                    continue;
                const int x = Margin + (r.x - half[0]) * SheetScale;
                painter.setPen(GridColour);
                painter.drawRect(x, y, r.width * SheetScale - 1, r.height * SheetScale - 1);
                const QString place = QString("x%1").arg(r.x * d);
                small(painter, x + 2, y - 3,
                    d == 1 ? QString("%1/%2 %3").arg(sprite.style).arg(sprite.state).arg(place) : place);
            }
            top = y + SpriteSheet::Height * SheetScale + 8;
        }
    return top + 16;
}

// Every picture style and state drawn by a real control at twice the image
// size, then at the panel's speaker-button size.
int drawPictures(QPainter& painter, int top, Clock& clock)
{
    heading(painter, top + 14, "UserLabelGraph: each style/state as drawn at 2x its image size, shown x2");
    top += 40;
    int x = Margin;
    int rowHeight = 0;
    for (const Sprite& sprite : sprites()) {
        UserLabelGraph graph("Gallery", Control::NoIndex, clock);
        graph.setSize(sprite.rect.width * 2, sprite.rect.height * 2);
        graph.Style(sprite.style);
        graph.Status(sprite.state);
        const int width = graph.width() * 2;
        if (x + width > 1100) {
            x = Margin;
            top += rowHeight + 26;
            rowHeight = 0;
        }
        drawBlock(painter, graph.surface(), {0, 0, graph.width(), graph.height()}, x, top, 2);
        small(painter, x, top + graph.height() * 2 + 12, QString("%1/%2").arg(sprite.style).arg(sprite.state));
        x += width + 12;
        rowHeight = std::max(rowHeight, graph.height() * 2);
    }
    top += rowHeight + 40;

    heading(painter, top, "Speaker buttons at panel size (18 x 15), shown x4: state 0, state 1");
    top += 12;
    for (std::int32_t state = 0; state < 2; ++state) {
        UserLabelGraph speaker("ToSpeaker", state, clock);
        speaker.setSize(18, 15);
        speaker.Style(6);
        speaker.Status(state);
        drawBlock(painter, speaker.surface(), {0, 0, 18, 15}, Margin + state * 100, top, 4);
    }
    return top + 15 * 4 + 20;
}

// The seven colour styles: fill, one-pixel border and caption in their colours.
int drawColourStyles(QPainter& painter, int top, Clock& clock)
{
    heading(painter, top + 14, "UserLabel colour styles (Status 0 to 6), shown x2");
    top += 28;
    for (std::int32_t status = 0; status <= 6; ++status) {
        UserLabel label("Gallery", status, clock);
        label.setSize(64, 18);
        label.Caption("Status " + std::to_string(status));
        label.Status(status);
        const int x = Margin + status * 150;
        const Shape& shape = label.shpCaption();
        const Label& caption = label.lblCaption();
        painter.fillRect(x, top, label.width() * 2, label.height() * 2, qColour(shape.borderColor()));
        painter.fillRect(x + 2, top + 2, label.width() * 2 - 4, label.height() * 2 - 4, qColour(shape.fillColor()));
        QFont font(QString::fromStdString(caption.font().name));
        font.setPointSizeF(caption.font().size * 2);
        painter.setFont(font);
        painter.setPen(qColour(caption.foreColor()));
        painter.drawText(QRect(x, top, label.width() * 2, label.height() * 2), Qt::AlignCenter,
            QString::fromStdString(caption.caption()));
    }
    return top + 18 * 2 + 20;
}

} // namespace

int main(int argc, char** argv)
{
    ProgramCommandLine commandLine(QStringLiteral("label-gallery"),
        QStringLiteral("Renders both sprite sheets, every picture style and state and the seven colour styles of the "
                       "skinned labels to one PNG."));
    commandLine.takeArguments(
        QStringLiteral("out.png"), QStringLiteral("The picture to write (default label-gallery.png)."), 1);
    if (const std::optional<int> status = commandLine.parse(argc, argv))
        return *status;
    const QStringList arguments = commandLine.parser().positionalArguments();
    const QString path = arguments.isEmpty() ? QStringLiteral("label-gallery.png") : arguments.first();
    // Drawing needs fonts, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        ManualClock clock;
        QImage page(1120, 1200, QImage::Format_RGB32);
        page.fill(PageColour);
        int bottom = 0;
        {
            QPainter painter(&page);
            bottom = drawSheets(painter, Margin);
            bottom = drawPictures(painter, bottom, clock);
            bottom = drawColourStyles(painter, bottom, clock);
        }
        QImageWriter writer(path);
        if (!writer.write(page.copy(0, 0, page.width(), bottom + Margin))) {
            std::fprintf(
                stderr, "label-gallery: cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
            return 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "label-gallery: %s\n", error.what());
        return 1;
    }
    std::printf("label-gallery: wrote %s\n", qPrintable(path));
    return 0;
}
