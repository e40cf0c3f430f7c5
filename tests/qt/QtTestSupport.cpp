#include "QtTestSupport.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace norvo::qt::testing {

namespace {

// One application for the whole test program, on the offscreen platform
// unless told otherwise.
class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char name_[9] = "qt_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> application_;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

QStringList* collected = nullptr;
QtMessageHandler previousHandler = nullptr;

void collect(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && collected)
        collected->append(message);
    else if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

Colour colourAt(const QImage& image, int x, int y)
{
    const QColor colour = image.pixelColor(x, y);
    return rgb(static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
        static_cast<std::uint8_t>(colour.blue()));
}

QImage render(QWidget& widget, qreal devicePixelRatio)
{
    QImage image(widget.size() * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::magenta);
    widget.render(&image);
    return image;
}

void showAndExpose(QWidget& widget)
{
    widget.show();
    widget.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&widget));
}

WarningLog::WarningLog()
{
    collected = new QStringList;
    previousHandler = qInstallMessageHandler(collect);
}

WarningLog::~WarningLog()
{
    qInstallMessageHandler(previousHandler);
    delete collected;
    collected = nullptr;
}

bool WarningLog::contains(const QString& text) const
{
    return std::any_of(collected->begin(), collected->end(), [&](const QString& line) { return line.contains(text); });
}

} // namespace norvo::qt::testing
