#pragma once

#include <QWidget>

#include <array>

class DemoSession;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTimer;

// A small window to steer the simulated network (radios, rooms, traffic,
// push-to-talk, the network and the voice object) and to watch, line by
// line, what the panel calls and what it is told.
class SimulationConsole : public QWidget {
    Q_OBJECT

public:
    explicit SimulationConsole(DemoSession& session, QWidget* parent = nullptr);
    ~SimulationConsole() override;

    void appendLog(const QString& line);
    // Shown in the status line while not empty.
    void showSettingsProblem(const QString& message);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* radiosBox();
    QWidget* roomsBox();
    QWidget* voiceBox();
    // Runs a steering action, logged under its name.
    template <class Action> void steer(const QString& what, Action&& action);
    // Shows the network's state on the console's own controls.
    void showState();
    // The status line's clock moves on at the next whole second.
    void scheduleClockTick();

    DemoSession& session_;
    QLineEdit* com1_ = nullptr;
    QLineEdit* com2_ = nullptr;
    QComboBox* receive_ = nullptr;
    QComboBox* transmit_ = nullptr;
    QCheckBox* pilot_ = nullptr;
    std::array<QLabel*, 3> roomStates_{};
    QCheckBox* randomTraffic_ = nullptr;
    QCheckBox* voiceEnabled_ = nullptr;
    QCheckBox* speakerRouting_ = nullptr;
    QCheckBox* network_ = nullptr;
    QLabel* status_ = nullptr;
    QString settingsProblem_;
    QPlainTextEdit* log_ = nullptr;
    QTimer* clockTick_ = nullptr;
};
