#include "QtTestSupport.h"

#include "labels/UserLabelGraph.h"
#include "platform/Form.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/ManualClock.h"
#include "platform/PictureBox.h"
#include "platform/Shape.h"
#include "qt/Conversions.h"
#include "qt/FormView.h"

#include <QApplication>
#include <QPalette>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace norvo::qt {
namespace {

using testing::colourAt;
using testing::render;

constexpr Colour Green = 0x00C000;
constexpr Colour Red = 0x0000FF;
constexpr Colour Teal = 0xC0C000;
constexpr Colour White = 0xFFFFFF;

bool isWhitish(Colour c)
{
    return redOf(c) > 200 && greenOf(c) > 200 && blueOf(c) > 200;
}

int whitishPixels(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += isWhitish(colourAt(image, x, y));
    return count;
}

// A small form built like the panel: a row frame holding a room frame with an
// indicator over a transparent warning, a colour block, a bar taller than the
// form.
struct FormViewTest : ::testing::Test {
    FormViewTest()
    {
        form.setSize(120, 21);
        auto& row = form.addChild(std::make_unique<Frame>("channel", 2));
        row.setGeometry(20, 0, 100, 20);
        warning = &row.addChild(std::make_unique<Label>("VATSIMWarning"));
        warning->setGeometry(2, 4, 96, 14);
        warning->setTransparent(true);
        warning->setForeColor(White);
        warning->setAlignment(Alignment::Center);
        warning->setFont(Font{"Verdana", 6, false});
        warning->setCaption("VATSIM Voice only");
        room = &row.addChild(std::make_unique<Frame>("Room", 2));
        room->setGeometry(0, 0, 100, 20);
        status = &room->addChild(std::make_unique<PictureBox>("RoomStatus", 2));
        status->setGeometry(60, 0, 16, 20);
        status->setBackColor(Green);
        // Added after the bar it overlaps, so above it in the model's order.
        bar = &form.addChild(std::make_unique<PictureBox>("Bar"));
        bar->setGeometry(0, 0, 7, 72);
        bar->setBackColor(Red);
        block = &form.addChild(std::make_unique<Label>("Label2"));
        block->setGeometry(0, 0, 15, 50);
        block->setBackColor(Teal);
    }

    ManualClock clock;
    Form form{"TOKA"};
    Label* warning = nullptr;
    Frame* room = nullptr;
    PictureBox* status = nullptr;
    PictureBox* bar = nullptr;
    Label* block = nullptr;
};

TEST_F(FormViewTest, IndicatorShowsTheModelColourBeforeAndAfterAChange)
{
    FormView view(form);
    EXPECT_EQ(colourAt(render(view), 20 + 68, 10), Green);
    status->setBackColor(0x404040);
    EXPECT_EQ(colourAt(render(view), 20 + 68, 10), 0x404040u);
}

TEST_F(FormViewTest, ViewTakesTheFormSizeAndClipsTallerChildren)
{
    FormView view(form);
    QSignalSpy resized(&view, &FormView::formResized);
    EXPECT_EQ(view.size(), QSize(120, 21));
    EXPECT_EQ(view.widgetFor(*bar)->height(), 72);
    form.setSize(130, 30);
    EXPECT_EQ(view.size(), QSize(130, 30));
    ASSERT_FALSE(resized.isEmpty());
    EXPECT_EQ(resized.last().at(0).toSize(), QSize(130, 30));
}

TEST_F(FormViewTest, WindowedControlCoversALabelWhateverTheModelOrder)
{
    FormView view(form);
    const QImage image = render(view);
    EXPECT_EQ(colourAt(image, 3, 10), Red);
    EXPECT_EQ(colourAt(image, 10, 10), Teal);
}

TEST_F(FormViewTest, HiddenRoomRevealsTheWhiteWarningOnBlack)
{
    FormView view(form);
    const QRect warningArea(22, 4, 96, 14);
    EXPECT_EQ(whitishPixels(render(view), warningArea), 0);

    room->setVisible(false);
    const QImage image = render(view);
    EXPECT_GT(whitishPixels(image, warningArea), 10);
    // Transparent: the row's black shows between the letters.
    EXPECT_EQ(colourAt(image, 23, 5), 0u);
    EXPECT_EQ(colourAt(image, 20 + 68, 10), 0u);
}

TEST_F(FormViewTest, CaptionFollowsTheAlignment)
{
    FormView view(form);
    room->setVisible(false);
    const auto meanTextX = [&] {
        const QImage image = render(view);
        long sum = 0;
        long count = 0;
        for (int y = 4; y < 18; ++y)
            for (int x = 22; x < 118; ++x)
                if (isWhitish(colourAt(image, x, y))) {
                    sum += x;
                    ++count;
                }
        return count ? sum / count : -1;
    };
    warning->setCaption("VATSIM");
    warning->setAlignment(Alignment::Left);
    const long left = meanTextX();
    warning->setAlignment(Alignment::Center);
    const long centre = meanTextX();
    warning->setAlignment(Alignment::Right);
    const long right = meanTextX();
    EXPECT_LT(left, centre);
    EXPECT_NEAR(centre, 70, 3);
    EXPECT_LT(centre, right);
}

TEST_F(FormViewTest, UnchangedValueRepaintsNothingAndAChangeRepaintsOnlyItsWidget)
{
    FormView view(form);
    testing::showAndExpose(view);
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } statusPaints, barPaints;
    view.widgetFor(*status)->installEventFilter(&statusPaints);
    view.widgetFor(*bar)->installEventFilter(&barPaints);

    status->setBackColor(Green);
    QApplication::processEvents();
    EXPECT_EQ(statusPaints.paints, 0);

    status->setBackColor(Red);
    QApplication::processEvents();
    EXPECT_EQ(statusPaints.paints, 1);
    EXPECT_EQ(barPaints.paints, 0);
}

TEST_F(FormViewTest, WidgetsReflectTooltipPointerEnabledAndVisibility)
{
    FormView view(form);
    QWidget& widget = *view.widgetFor(*status);
    status->setToolTipText("Connection");
    status->setMousePointer(99);
    status->setEnabled(false);
    EXPECT_EQ(widget.toolTip(), QStringLiteral("Connection"));
    EXPECT_EQ(widget.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(widget.isEnabled());
    status->setMousePointer(0);
    EXPECT_EQ(widget.cursor().shape(), Qt::ArrowCursor);
    room->setVisible(false);
    EXPECT_FALSE(widget.isVisibleTo(&view));
    EXPECT_TRUE(widget.isVisibleTo(view.widgetFor(*room)));
}

TEST_F(FormViewTest, TabOrderFollowsTheForm)
{
    auto& first = form.addChild(std::make_unique<PictureBox>("First"));
    bar->setTabIndex(2);
    status->setTabIndex(1);
    first.setTabIndex(0);
    FormView view(form);
    // The next widget that Tab would reach.
    const auto next = [](QWidget* widget) {
        do
            widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus);
        return widget;
    };
    EXPECT_EQ(next(view.widgetFor(first)), view.widgetFor(*status));
    EXPECT_EQ(next(view.widgetFor(*status)), view.widgetFor(*bar));

    first.setTabIndex(3);
    EXPECT_EQ(next(view.widgetFor(*bar)), view.widgetFor(first));
}

TEST_F(FormViewTest, ShapeHasAOnePixelBorderAroundItsFill)
{
    auto& shape = room->addChild(std::make_unique<Shape>("shpCaption"));
    shape.setGeometry(10, 2, 10, 8);
    shape.setFillColor(0xFFD96D);
    shape.setBorderColor(0x8B6C37);
    FormView view(form);
    const QImage image = render(view);
    EXPECT_EQ(colourAt(image, 30, 2), 0x8B6C37u);
    EXPECT_EQ(colourAt(image, 39, 9), 0x8B6C37u);
    EXPECT_EQ(colourAt(image, 31, 3), 0xFFD96Du);
    EXPECT_EQ(colourAt(image, 38, 8), 0xFFD96Du);
    EXPECT_EQ(colourAt(image, 40, 5), 0u);
}

TEST_F(FormViewTest, SystemWindowTextComesFromThePalette)
{
    EXPECT_EQ(toQColor(SystemWindowText), QApplication::palette().color(QPalette::WindowText));
    EXPECT_EQ(toQColor(0x008080), QColor(0x80, 0x80, 0x00));
}

struct GraphViewTest : FormViewTest {
    GraphViewTest()
    {
        speaker = &form.addChild(std::make_unique<UserLabelGraph>("ToSpeaker", 0, clock));
        speaker->setGeometry(30, 3, 18, 15);
        speaker->Style(6);
    }

    void expectShowsSurface(const QImage& image, int scale)
    {
        for (int y = 0; y < speaker->height() * scale; ++y)
            for (int x = 0; x < speaker->width() * scale; ++x)
                ASSERT_EQ(
                    colourAt(image, 30 * scale + x, 3 * scale + y), speaker->surface().pixel(x / scale, y / scale))
                    << "at (" << x << ", " << y << ") scale " << scale;
    }

    UserLabelGraph* speaker = nullptr;
};

TEST_F(GraphViewTest, ShowsTheSurfaceAndFollowsItsRedraws)
{
    FormView view(form);
    expectShowsSurface(render(view), 1);
    const QImage before = render(view);
    speaker->Status(1);
    const QImage after = render(view);
    expectShowsSurface(after, 1);
    EXPECT_NE(before.copy(30, 3, 18, 15), after.copy(30, 3, 18, 15));
}

TEST_F(GraphViewTest, DoubleDevicePixelRatioScalesWithoutBlur)
{
    FormView view(form);
    const QImage image = render(view, 2.0);
    expectShowsSurface(image, 2);
    // The indicator's edge falls between two device pixels, unblended.
    EXPECT_EQ(colourAt(image, 2 * (20 + 60) - 1, 10), 0u);
    EXPECT_EQ(colourAt(image, 2 * (20 + 60), 10), Green);
}

TEST_F(GraphViewTest, ColourLookShowsFillBorderAndCaption)
{
    speaker->Style(0);
    speaker->Caption("x");
    speaker->Status(5);
    FormView view(form);
    const QImage image = render(view);
    EXPECT_EQ(colourAt(image, 30, 10), 0x8B6C37u);
    EXPECT_EQ(colourAt(image, 32, 16), 0xFFD96Du);
    // The caption is dark on the light fill.
    bool dark = false;
    for (int y = 3; y < 18; ++y)
        for (int x = 30; x < 48; ++x)
            dark = dark || redOf(colourAt(image, x, y)) < 80;
    EXPECT_TRUE(dark);
}

} // namespace
} // namespace norvo::qt
