// A bare Qt host of the voice panel's size for StartupBench: 20 QFrame, each
// holding a QLabel, in 535x21, and a worker thread that announces itself at
// start (the labels get their texts) and then changes one frame's colour
// every half second, as the panel host's voice client does with its room
// activity. It reports its first frame (FirstFrameReport) and quits.
#include "FirstFrameReport.h"
#include "WidgetPaintWatch.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QWidget>

#include <array>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

constexpr int Width = 535;
constexpr int Height = 21;
constexpr int Cells = 20;

// The host's content: the frames side by side, a label in each.
class Strip : public QWidget {
public:
    explicit Strip(QWidget* parent)
        : QWidget(parent)
    {
        setFixedSize(Width, Height);
        for (int i = 0; i < Cells; ++i) {
            auto* frame = new QFrame(this);
            frame->setFrameShape(QFrame::Box);
            frame->setAutoFillBackground(true);
            frame->setGeometry(i * Width / Cells, 0, Width / Cells, Height);
            labels_[static_cast<std::size_t>(i)] = new QLabel(QStringLiteral("-"), frame);
            labels_[static_cast<std::size_t>(i)]->setGeometry(frame->rect().adjusted(1, 1, -1, -1));
            frames_[static_cast<std::size_t>(i)] = frame;
        }
    }

    void announce()
    {
        for (std::size_t i = 0; i < labels_.size(); ++i)
            labels_[i]->setText(i % 2 == 0 ? QStringLiteral("122.800") : QStringLiteral("EDDF"));
    }

    void toggleActivity()
    {
        active_ = !active_;
        QPalette palette = frames_[0]->palette();
        palette.setColor(QPalette::Window, active_ ? Qt::green : Qt::black);
        frames_[0]->setPalette(palette);
    }

private:
    std::array<QFrame*, Cells> frames_{};
    std::array<QLabel*, Cells> labels_{};
    bool active_ = false;
};

// Announces the strip's texts at once, then its activity every half second,
// from a thread of its own, until destroyed.
class Traffic {
public:
    explicit Traffic(Strip& strip)
        : worker_([this, &strip] { work(strip); })
    {
    }
    ~Traffic()
    {
        {
            const std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_one();
        worker_.join();
    }
    Traffic(const Traffic&) = delete;
    Traffic& operator=(const Traffic&) = delete;

private:
    void work(Strip& strip)
    {
        QMetaObject::invokeMethod(
            &strip, [&strip] { strip.announce(); }, Qt::QueuedConnection);
        std::unique_lock lock(mutex_);
        while (!wake_.wait_for(lock, std::chrono::milliseconds(500), [this] { return stop_; }))
            QMetaObject::invokeMethod(
                &strip, [&strip] { strip.toggleActivity(); }, Qt::QueuedConnection);
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    std::thread worker_;
};

} // namespace

int main(int argc, char** argv)
{
    const std::int64_t entered = FirstFrameReport::now();
    QApplication app(argc, argv);
    FirstFrameReport report;
    report.mark("main", entered);
    report.mark("app");

    QWidget window;
    auto* strip = new Strip(&window);
    window.setFixedSize(Width, Height);
    const Traffic traffic(*strip);
    report.mark("built");

    WidgetPaintWatch watch(report, *strip);
    window.show();
    return app.exec();
}
