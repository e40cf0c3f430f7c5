#pragma once

#include "platform/Colour.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace norvo::qt::testing {

// One application for the whole test program, offscreen unless told otherwise.
struct ApplicationEnvironment : ::testing::Environment {
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { application.reset(); }

    int argc = 1;
    char name[9] = "qt_tests";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> application;
};

inline const auto* const environment = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

// The colour at a pixel of an image, as the model writes colours.
inline Colour colourAt(const QImage& image, int x, int y)
{
    const QColor colour = image.pixelColor(x, y);
    return rgb(static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
        static_cast<std::uint8_t>(colour.blue()));
}

// What a widget shows, on magenta so that unpainted pixels stand out.
inline QImage render(QWidget& widget, qreal devicePixelRatio = 1.0)
{
    QImage image(widget.size() * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::magenta);
    widget.render(&image);
    return image;
}

// Shows the widget as a window and waits until it is active.
inline void showAndExpose(QWidget& widget)
{
    widget.show();
    widget.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&widget));
}

// Counts the paint events of the widgets it watches.
struct PaintCounter : QObject {
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    explicit PaintCounter(const QList<QWidget*>& widgets)
    {
        for (QWidget* widget : widgets)
            widget->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    int paints = 0;
};

// Collects the warnings Qt logs while it lives, each as "category: text".
class WarningLog {
public:
    WarningLog()
    {
        previous_ = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (type == QtWarningMsg)
                lines_.append(QString::fromLatin1(context.category) + QStringLiteral(": ") + text);
            else if (previous_)
                previous_(type, context, text);
        });
    }
    ~WarningLog()
    {
        qInstallMessageHandler(previous_);
        lines_.clear();
    }
    WarningLog(const WarningLog&) = delete;
    WarningLog& operator=(const WarningLog&) = delete;

    bool contains(const QString& text) const { return !lines_.filter(text).isEmpty(); }

private:
    static inline QStringList lines_;
    static inline QtMessageHandler previous_ = nullptr;
};

using IniValues = std::map<QString, QString>;

// Every key of a text with its string value, as QSettings reads them. Each
// text is read from a file of its own: QSettings keeps what it read of a file
// name. Keys with a '/' too many (at an end, or doubled) and the empty key
// are left out: QSettings lists them, but asking for them gives another key's
// value; so are values QSettings reads as lists (a comma outside quotes).
inline IniValues readByQSettings(const QByteArray& text, QSettings::Status* status = nullptr)
{
    static int copies = 0;
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("copy%1.ini").arg(++copies));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    QSettings settings(path, QSettings::IniFormat);
    IniValues values;
    for (const QString& key : settings.allKeys()) {
        const QVariant value = settings.value(key);
        if (!key.isEmpty() && key.split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/')) == key
            && value.typeId() == QMetaType::QString)
            values[key] = value.toString();
    }
    if (status)
        *status = settings.status();
    return values;
}

} // namespace norvo::qt::testing
