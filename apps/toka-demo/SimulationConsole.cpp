#include "SimulationConsole.h"

#include "DemoSession.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace {

using Sim = norvo::SimulatedVoiceClient;

constexpr int LogLines = 5000;
// The log keeps them in English, the console shows them translated.
const std::array<const char*, 5> StateNames = {QT_TRANSLATE_NOOP("SimulationConsole", "Offline"),
    QT_TRANSLATE_NOOP("SimulationConsole", "Pending"), QT_TRANSLATE_NOOP("SimulationConsole", "Connected"),
    QT_TRANSLATE_NOOP("SimulationConsole", "Failed"), QT_TRANSLATE_NOOP("SimulationConsole", "Kicked")};
const std::array<const char*, 3> SlotNames = {QT_TRANSLATE_NOOP("SimulationConsole", "COM1 room"),
    QT_TRANSLATE_NOOP("SimulationConsole", "COM2 room"), QT_TRANSLATE_NOOP("SimulationConsole", "Free channel")};

QString translated(const char* text) { return QCoreApplication::translate("SimulationConsole", text); }

QString stateName(std::int32_t state)
{
    return state >= 0 && state < static_cast<std::int32_t>(StateNames.size())
        ? QString::fromLatin1(StateNames[static_cast<std::size_t>(state)])
        : QString::number(state);
}

QString shownStateName(std::int32_t state)
{
    return state >= 0 && state < static_cast<std::int32_t>(StateNames.size())
        ? translated(StateNames[static_cast<std::size_t>(state)])
        : QString::number(state);
}

QComboBox* selectionBox()
{
    auto* box = new QComboBox;
    box->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("B")});
    return box;
}

} // namespace

SimulationConsole::SimulationConsole(DemoSession& session, QWidget* parent)
    : QWidget(parent)
    , session_(session)
{
    setWindowTitle(tr("TOKA demo: simulated voice network"));
    auto* layout = new QVBoxLayout(this);
    auto* controls = new QHBoxLayout;
    controls->addWidget(radiosBox());
    controls->addWidget(roomsBox());
    controls->addWidget(voiceBox());
    layout->addLayout(controls);

    status_ = new QLabel;
    status_->setWordWrap(true);
    layout->addWidget(status_);
    log_ = new QPlainTextEdit;
    log_->setReadOnly(true);
    log_->setMaximumBlockCount(LogLines);
    log_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    log_->setMinimumHeight(260);
    layout->addWidget(log_, 1);
    // The log takes the focus first: a caret blinking in a field nobody types
    // in would wake the demo twice a second.
    log_->setFocus();
    auto* clear = new QPushButton(tr("Clear log"));
    connect(clear, &QPushButton::clicked, log_, &QPlainTextEdit::clear);
    layout->addWidget(clear, 0, Qt::AlignRight);

    clockTick_ = new QTimer(this);
    clockTick_->setSingleShot(true);
    clockTick_->setTimerType(Qt::PreciseTimer);
    connect(clockTick_, &QTimer::timeout, this, [this] {
        session_.catchUp();
        scheduleClockTick();
    });
    connect(&session_, &DemoSession::delivered, this, &SimulationConsole::showState);
    connect(&session_, &DemoSession::timePassed, this, &SimulationConsole::showState);
    showState();
}

void SimulationConsole::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    session_.catchUp();
    showState();
    scheduleClockTick();
}

void SimulationConsole::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    clockTick_->stop();
}

void SimulationConsole::scheduleClockTick()
{
    constexpr std::int64_t Second = 1000;
    clockTick_->start(static_cast<int>(Second - session_.wallTime() % Second));
}

SimulationConsole::~SimulationConsole()
{
    // The fields lose the focus while the widgets go and would steer then.
    com1_->disconnect(this);
    com2_->disconnect(this);
}

void SimulationConsole::appendLog(const QString& line) { log_->appendPlainText(line); }

template <class Action> void SimulationConsole::steer(const QString& what, Action&& action)
{
    session_.note("console: " + what.toStdString());
    try {
        action(session_.network());
    } catch (const std::exception& error) {
        session_.note("console: " + what.toStdString() + " refused: " + error.what());
    }
    showState();
}

QWidget* SimulationConsole::radiosBox()
{
    auto* box = new QGroupBox(tr("Radios"));
    auto* form = new QFormLayout(box);
    com1_ = new QLineEdit;
    com2_ = new QLineEdit;
    receive_ = selectionBox();
    transmit_ = selectionBox();
    pilot_ = new QCheckBox(tr("Pilot present"));
    form->addRow(QStringLiteral("COM1"), com1_);
    form->addRow(QStringLiteral("COM2"), com2_);
    form->addRow(tr("Receive"), receive_);
    form->addRow(tr("Transmit"), transmit_);
    form->addRow(pilot_);
    const auto tune = [this](std::int32_t radio, QLineEdit* edit) {
        connect(edit, &QLineEdit::editingFinished, this, [this, radio, edit] {
            // Also called when the field merely loses the focus.
            const auto& pilot = session_.network().pilot();
            if (edit->text().toStdString() == (radio == 1 ? pilot.com1 : pilot.com2))
                return;
            steer(QStringLiteral("COM%1 %2").arg(radio).arg(edit->text()),
                [&](Sim& network) { network.setFrequency(radio, edit->text().toStdString()); });
        });
    };
    tune(1, com1_);
    tune(2, com2_);
    const auto select = [this] {
        steer(QStringLiteral("receive %1, transmit %2").arg(receive_->currentText(), transmit_->currentText()),
            [this](Sim& network) {
                network.setSelections(receive_->currentText().toStdString(), transmit_->currentText().toStdString());
            });
    };
    connect(receive_, &QComboBox::activated, this, select);
    connect(transmit_, &QComboBox::activated, this, select);
    connect(pilot_, &QCheckBox::clicked, this, [this](bool present) {
        steer(present ? QStringLiteral("pilot present") : QStringLiteral("pilot absent"),
            [present](Sim& network) { network.setPilotPresent(present); });
    });
    return box;
}

QWidget* SimulationConsole::roomsBox()
{
    auto* box = new QGroupBox(tr("Rooms"));
    auto* grid = new QGridLayout(box);
    for (int slot = 0; slot < 3; ++slot) {
        grid->addWidget(new QLabel(translated(SlotNames[static_cast<std::size_t>(slot)])), slot, 0);
        roomStates_[static_cast<std::size_t>(slot)] = new QLabel;
        grid->addWidget(roomStates_[static_cast<std::size_t>(slot)], slot, 1);
        auto* force = new QComboBox;
        force->addItem(tr("Force..."));
        for (const char* name : StateNames)
            force->addItem(translated(name));
        connect(force, &QComboBox::activated, this, [this, slot, force](int item) {
            force->setCurrentIndex(0);
            if (item == 0)
                return;
            steer(QStringLiteral("force room %1 %2").arg(slot).arg(stateName(item - 1)),
                [&](Sim& network) { network.forceRoomState(slot, item - 1); });
        });
        grid->addWidget(force, slot, 2);
        auto* kick = new QPushButton(tr("Kick"));
        connect(kick, &QPushButton::clicked, this, [this, slot] {
            steer(QStringLiteral("kick room %1").arg(slot), [slot](Sim& network) { network.kick(slot); });
        });
        grid->addWidget(kick, slot, 3);
        auto* traffic = new QPushButton(tr("Traffic"));
        traffic->setToolTip(tr("Someone starts or stops talking in the room"));
        connect(traffic, &QPushButton::clicked, this, [this, slot] {
            steer(QStringLiteral("traffic in room %1").arg(slot), [slot](Sim& network) {
                const bool talking
                    = network.value(network.layout().index(norvo::VoiceObjectLayout::Block::ReceiveActivity, slot))
                    == 1;
                network.setReceiveActivity(slot, talking ? 0 : 1);
            });
        });
        grid->addWidget(traffic, slot, 4);
        auto* info = new QPushButton(tr("News"));
        info->setToolTip(tr("The room's information text changes"));
        connect(info, &QPushButton::clicked, this, [this, slot] {
            steer(QStringLiteral("news in room %1").arg(slot), [slot](Sim& network) {
                network.setRoomInfo(
                    slot, "Information updated at " + std::to_string(network.now() / 1000) + " s\r\nExpect vectors");
            });
        });
        grid->addWidget(info, slot, 5);
    }
    randomTraffic_ = new QCheckBox(tr("Random traffic"));
    connect(randomTraffic_, &QCheckBox::clicked, this, [this](bool on) {
        steer(on ? QStringLiteral("random traffic on") : QStringLiteral("random traffic off"),
            [on](Sim& network) { network.setRandomActivity(on); });
    });
    grid->addWidget(randomTraffic_, 3, 0, 1, 6);
    return box;
}

QWidget* SimulationConsole::voiceBox()
{
    auto* box = new QGroupBox(tr("Voice"));
    auto* layout = new QVBoxLayout(box);
    auto* talk = new QPushButton(tr("Push to talk (hold)"));
    connect(talk, &QPushButton::pressed, this,
        [this] { steer(QStringLiteral("push-to-talk down"), [](Sim& network) { network.setPushToTalk(true); }); });
    connect(talk, &QPushButton::released, this,
        [this] { steer(QStringLiteral("push-to-talk up"), [](Sim& network) { network.setPushToTalk(false); }); });
    layout->addWidget(talk);

    const auto flag = [this, layout](const QString& text, const QString& logged, std::int32_t index) {
        auto* check = new QCheckBox(text);
        connect(check, &QCheckBox::clicked, this, [this, logged, index](bool on) {
            steer(logged + (on ? QStringLiteral(" on") : QStringLiteral(" off")),
                [&](Sim& network) { network.setValue(index, on ? 1 : 0); });
        });
        layout->addWidget(check);
        return check;
    };
    voiceEnabled_ = flag(tr("Voice enabled"), QStringLiteral("Voice enabled"), norvo::HeaderIndex::VoiceEnabled);
    speakerRouting_
        = flag(tr("Speaker routing"), QStringLiteral("Speaker routing"), norvo::HeaderIndex::SpeakerRouting);

    network_ = new QCheckBox(tr("Network connected"));
    connect(network_, &QCheckBox::clicked, this, [this](bool up) {
        steer(up ? QStringLiteral("network up") : QStringLiteral("network down"), [up](Sim& network) {
            if (up)
                network.connectNetwork();
            else
                network.disconnectNetwork();
        });
    });
    layout->addWidget(network_);
    auto* remove = new QPushButton(tr("Delete voice object"));
    connect(remove, &QPushButton::clicked, this,
        [this] { steer(QStringLiteral("delete voice object"), [](Sim& network) { network.deleteVoiceObject(); }); });
    layout->addWidget(remove);
    auto* create = new QPushButton(tr("Re-create voice object"));
    connect(create, &QPushButton::clicked, this,
        [this] { steer(QStringLiteral("re-create voice object"), [](Sim& network) { network.createVoiceObject(); }); });
    layout->addWidget(create);
    layout->addStretch();
    return box;
}

void SimulationConsole::showState()
{
    const Sim& network = session_.network();
    // Only what changed is set: the console redraws only what it shows anew.
    const auto show = [](QLineEdit* edit, const std::string& text) {
        const QString shown = QString::fromStdString(text);
        if (!edit->hasFocus() && edit->text() != shown)
            edit->setText(shown);
    };
    const auto write = [](QLabel* label, const QString& text) {
        if (label->text() != text)
            label->setText(text);
    };
    show(com1_, network.pilot().com1);
    show(com2_, network.pilot().com2);
    const QSignalBlocker blockReceive(receive_);
    const QSignalBlocker blockTransmit(transmit_);
    receive_->setCurrentText(QString::fromStdString(network.pilot().receive));
    transmit_->setCurrentText(QString::fromStdString(network.pilot().transmit));
    pilot_->setChecked(network.pilotPresent());
    for (std::int32_t slot = 0; slot < 3; ++slot) {
        QString text = QStringLiteral("-");
        if (network.voiceHandle() != 0) {
            text = shownStateName(network.roomState(slot));
            const std::string room = network.text(network.layout().index(norvo::VoiceObjectLayout::Block::Room, slot));
            if (network.roomState(slot) == norvo::RoomState::Connected && !room.empty())
                text += QStringLiteral(" ") + QString::fromStdString(room);
        }
        write(roomStates_[static_cast<std::size_t>(slot)], text);
    }
    randomTraffic_->setChecked(network.randomActivity());
    voiceEnabled_->setChecked(network.value(norvo::HeaderIndex::VoiceEnabled) != 0);
    speakerRouting_->setChecked(network.value(norvo::HeaderIndex::SpeakerRouting) != 0);
    network_->setChecked(network.networkUp());
    // Whole seconds: the clock moves once a second.
    write(status_,
        tr("time %1 s   voice object %2   push-to-talk %3   contract breaches %4")
                .arg(network.now() / 1000)
                .arg(network.voiceHandle() ? QString::number(network.voiceHandle()) : tr("none"))
                .arg(network.pushToTalk() ? tr("down") : tr("up"))
                .arg(network.contract().violations().size())
            + (settingsProblem_.isEmpty() ? QString() : QLatin1Char('\n') + tr("settings: %1").arg(settingsProblem_)));
}

void SimulationConsole::showSettingsProblem(const QString& message)
{
    if (settingsProblem_ == message)
        return;
    settingsProblem_ = message;
    showState();
}
