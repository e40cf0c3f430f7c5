#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

class DemoSession;
class HostWindow;
class SimulationConsole;

// The demo without a person at the screen: a scripted walk through the
// panel's key states on the simulated network, each saved as an enlarged
// picture, with the panel's calls written to a log file.
class Tour {
public:
    // The seed drives the simulated network's random traffic during the tour.
    Tour(QString folder, std::uint32_t seed);
    ~Tour();

    // Runs the tour; returns the exit status (0 when every file was written).
    int run();

private:
    void openPanel();
    void closePanel();
    // Saves what the panel shows now, on both front ends; optionally with the
    // free channel's list dropped down below it. The caption is English, for
    // the log; the picture shows it translated.
    void shoot(const QString& name, const char* caption, bool withList = false);
    // The same with a picture of the panel taken otherwise; the suffix
    // (untranslated) follows the caption.
    void shootPicture(const QString& name, const char* caption, const QImage& panel, const QImage& below = {},
        int belowLeft = 0, const char* suffix = "");
    // The panel as a single-density screen shows it, enlarged, above the
    // same at twice the density, enlarged half as much.
    void shootHighDensity(const QString& name, const char* caption);
    // Writes a picture with its caption below it.
    void save(const QImage& picture, const QString& name, const char* caption, const char* suffix = "");
    // Tab pressed in the host window until the control has the focus;
    // false when it never comes.
    bool tabTo(const char* control, int index);
    // The free channel's list as each front end drops it down.
    QImage rememberedList();
    QImage rememberedQuickList();
    void settle();
    void click(const char* control, int index = -1);
    void typeAndEnter(const QString& name);

    QString folder_;
    std::uint32_t seed_;
    std::unique_ptr<DemoSession> session_;
    std::unique_ptr<SimulationConsole> console_;
    std::unique_ptr<HostWindow> host_;
    QStringList written_;
    bool failed_ = false;
};
