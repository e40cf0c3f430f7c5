#include "Tour.h"

#include "DemoSession.h"
#include "HostWindow.h"
#include "SimulationConsole.h"

#include "labels/UserLabelGraph.h"
#include "panel/TOKA.h"
#include "platform/ComboBox.h"
#include "qt/common/QtSettingsStore.h"
#include "qt/quick/QuickSnapshot.h"
#include "qt/widgets/ComboBoxWidget.h"
#include "qt/widgets/FormView.h"
#include "qt/widgets/PanelSnapshot.h"
#include "qt/widgets/QtWindowSystem.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QKeyEvent>
#include <QPainter>
#include <QTextStream>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

using Sim = norvo::SimulatedVoiceClient;

constexpr int Scale = 3;
constexpr int RandomTrafficSteps = 60;
constexpr std::int64_t RandomTrafficStep = 500;
// How much larger the comparison of pixel densities shows a panel pixel.
constexpr int HighDensityScale = 4;
constexpr int CaptionHeight = 34;
constexpr int CornerEllipse = 22;
const QColor Page(36, 36, 40);
const QColor Ink(235, 235, 235);

} // namespace

Tour::Tour(QString folder, std::uint32_t seed)
    : folder_(std::move(folder))
    , seed_(seed)
{
}

Tour::~Tour() = default;

void Tour::settle()
{
    session_->deliver();
    QApplication::processEvents();
}

void Tour::openPanel()
{
    host_ = std::make_unique<HostWindow>(session_->voice(), session_->dockFrame(),
        std::make_unique<norvo::qt::QtSettingsStore>(folder_ + QStringLiteral("/settings")));
    host_->show();
    settle();
}

void Tour::closePanel()
{
    host_.reset();
    settle();
}

void Tour::click(const char* control, int index)
{
    const std::string what = std::string("click ") + control + (index < 0 ? "" : "(" + std::to_string(index) + ")");
    session_->user(what, [&] {
        norvo::Form& form = host_->panel().panel().form();
        norvo::Control& target = index < 0 ? form.at(control) : form.at(control, index);
        if (auto* label = dynamic_cast<norvo::UserLabel*>(&target))
            label->lblCaption().click();
        else
            target.click();
    });
    settle();
}

void Tour::typeAndEnter(const QString& name)
{
    session_->user("type \"" + name.toStdString() + "\" and Enter in FreqInfo(2)", [&] {
        auto& box = host_->panel().panel().form().get<norvo::ComboBox>("FreqInfo", 2);
        box.setText(name.toStdString());
        std::int16_t enter = 13;
        box.keyPress(enter);
    });
    settle();
}

QImage Tour::rememberedList()
{
    // The list as the user opens it: the real drop-down of the combo box.
    norvo::qt::FormView& view = *host_->panel().findChild<norvo::qt::FormView*>();
    const norvo::Control& control = view.form().at("FreqInfo", 2);
    auto* widget = dynamic_cast<norvo::qt::ComboBoxWidget*>(view.widgetFor(control));
    if (!widget)
        return {};
    QComboBox& box = widget->box();
    box.showPopup();
    QApplication::processEvents();
    const QImage list = box.view()->window()->grab().toImage();
    box.hidePopup();
    return list;
}

QImage Tour::rememberedQuickList()
{
    norvo::TOKA& panel = host_->panel().panel();
    return norvo::qt::QuickSnapshot::grabList(panel, panel.form().at("FreqInfo", 2));
}

void Tour::shoot(const QString& name, const char* caption, bool withList)
{
    norvo::TOKA& panel = host_->panel().panel();
    const int listLeft = withList ? panel.form().at("channel", 2).left() : 0;
    shootPicture(
        name, caption, norvo::qt::PanelSnapshot::grab(panel), withList ? rememberedList() : QImage(), listLeft);
    // The same state on the Qt Quick panel, which paints the same pixels.
    shootPicture(QStringLiteral("quick/") + name, caption, norvo::qt::QuickSnapshot::grab(panel),
        withList ? rememberedQuickList() : QImage(), listLeft, " (Qt Quick)");
}

void Tour::shootPicture(const QString& name, const char* caption, const QImage& panel, const QImage& below,
    int belowLeft, const char* suffix)
{
    const QSize size(panel.width(), panel.height() + below.height());
    // The panel as the host window shows it: rounded by its region.
    QImage shaped(size.width(), size.height(), QImage::Format_ARGB32_Premultiplied);
    shaped.fill(Page);
    {
        QPainter painter(&shaped);
        painter.setClipRegion(
            norvo::qt::QtWindowSystem::roundRect(QRect(QPoint(0, 0), panel.size()), CornerEllipse, CornerEllipse));
        painter.drawImage(0, 0, panel);
        painter.setClipping(false);
        painter.drawImage(belowLeft, panel.height(), below);
    }
    save(shaped.scaled(size * Scale, Qt::IgnoreAspectRatio, Qt::FastTransformation), name, caption, suffix);
}

void Tour::shootHighDensity(const QString& name, const char* caption)
{
    norvo::TOKA& panel = host_->panel().panel();
    const QImage single = norvo::qt::PanelSnapshot::grab(panel);
    QImage dense = norvo::qt::PanelSnapshot::grab(panel, 2.0);
    dense.setDevicePixelRatio(1.0);
    const QSize shown = single.size() * HighDensityScale;
    QImage both(shown.width(), 2 * shown.height() + Scale * 4, QImage::Format_RGB32);
    both.fill(Page);
    {
        QPainter painter(&both);
        painter.drawImage(0, 0, single.scaled(shown, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        painter.drawImage(
            0, shown.height() + Scale * 4, dense.scaled(shown, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    }
    save(both, name, caption);
}

bool Tour::tabTo(const char* control, int index)
{
    norvo::Form& form = host_->panel().panel().form();
    const norvo::Control& target = form.at(control, index);
    host_->activateWindow();
    QApplication::processEvents();
    if (QWidget* focus = QApplication::focusWidget())
        focus->clearFocus();
    for (std::size_t stop = 0; stop < form.tabOrder().size() && form.focusedControl() != &target; ++stop) {
        QWidget* focus = QApplication::focusWidget();
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
        QApplication::sendEvent(focus ? focus : host_.get(), &tab);
    }
    return form.focusedControl() == &target;
}

void Tour::save(const QImage& picture, const QString& name, const char* caption, const char* suffix)
{
    QImage page(
        picture.width() + 2 * Scale * 4, picture.height() + CaptionHeight + 2 * Scale * 4, QImage::Format_RGB32);
    page.fill(Page);
    {
        QPainter painter(&page);
        painter.drawImage(Scale * 4, Scale * 4, picture);
        painter.setPen(Ink);
        painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 13));
        painter.drawText(QRect(Scale * 4, picture.height() + Scale * 4, picture.width(), CaptionHeight),
            Qt::AlignLeft | Qt::AlignVCenter, QCoreApplication::translate("Tour", caption) + QLatin1String(suffix));
    }
    const QString file = QDir(folder_).filePath(name + QStringLiteral(".png"));
    QImageWriter writer(file);
    if (!writer.write(page)) {
        std::fprintf(stderr, "toka-demo: cannot write %s: %s\n", qPrintable(file), qPrintable(writer.errorString()));
        failed_ = true;
        return;
    }
    session_->note("screenshot " + file.toStdString() + ": " + caption + suffix);
    written_ << file;
}

int Tour::run()
{
    std::error_code error;
    std::filesystem::create_directories(
        std::filesystem::path(QFile::encodeName(folder_ + QStringLiteral("/quick")).toStdString()), error);
    if (error) {
        std::fprintf(stderr, "toka-demo: cannot create %s: %s\n", qPrintable(folder_), error.message().c_str());
        return 1;
    }
    QFile logFile(QDir(folder_).filePath(QStringLiteral("toka-demo.log")));
    if (!logFile.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "toka-demo: cannot write %s: %s\n", qPrintable(logFile.fileName()),
            qPrintable(logFile.errorString()));
        return 1;
    }
    QTextStream log(&logFile);
    // The tour starts with no remembered channels and shows them fill up.
    QDir(folder_ + QStringLiteral("/settings")).removeRecursively();

    norvo::SimulationOptions options;
    options.randomActivity = false;
    options.seed = seed_;
    session_ = std::make_unique<DemoSession>(options);
    console_ = std::make_unique<SimulationConsole>(*session_);
    const QMetaObject::Connection logging
        = QObject::connect(session_.get(), &DemoSession::logged, [&](const QString& line) {
              log << line << '\n';
              console_->appendLog(line);
          });
    Sim& network = session_->network();

    openPanel();
    network.disconnectNetwork();
    settle();
    shoot(QStringLiteral("01-network-offline"),
        QT_TRANSLATE_NOOP("Tour", "Network down: radios only, the free channel shows the warning"));

    network.connectNetwork();
    settle();
    shoot(QStringLiteral("02-rooms-offline"),
        QT_TRANSLATE_NOOP("Tour", "Voice object bound: three rooms, all offline (grey)"));

    click("RoomStatus", 0);
    typeAndEnter(QStringLiteral("EGLL_TWR"));
    shoot(QStringLiteral("03-pending"),
        QT_TRANSLATE_NOOP("Tour", "COM1 room and free channel EGLL_TWR asked for: pending (teal)"));

    session_->advance(800);
    click("RoomStatus", 1);
    session_->advance(800);
    network.setReceiveActivity(0, 1);
    network.setReceiveActivity(2, 1);
    network.setPushToTalk(true);
    settle();
    shoot(QStringLiteral("04-connected-activity"),
        QT_TRANSLATE_NOOP("Tour", "Connected (green); receiving on COM1 and the free channel, push-to-talk down"));

    network.setPushToTalk(false);
    // Half a minute of random traffic on the three rooms, as the seed has it;
    // then quiet again for the next pictures.
    session_->note("seed " + std::to_string(seed_));
    network.setRandomActivity(true);
    for (int step = 0; step < RandomTrafficSteps; ++step)
        session_->advance(RandomTrafficStep);
    network.setRandomActivity(false);
    for (std::int32_t slot = 0; slot < 3; ++slot)
        network.setReceiveActivity(slot, 0);
    settle();
    typeAndEnter(QStringLiteral("NOWHERE"));
    session_->advance(800);
    shoot(
        QStringLiteral("05-failed"), QT_TRANSLATE_NOOP("Tour", "Free channel NOWHERE: no such room, failed (orange)"));

    network.kick(0);
    settle();
    shoot(QStringLiteral("06-kicked"), QT_TRANSLATE_NOOP("Tour", "COM1 room kicked by the network (red)"));

    click("ToSpeaker", 1);
    click("PriorityChannel", 1);
    click("COMReceive", 1);
    shoot(QStringLiteral("07-speaker-routing"),
        QT_TRANSLATE_NOOP("Tour", "COM2 room to the speaker and prioritised; listening on both radios"));
    shootHighDensity(QStringLiteral("11-high-density"),
        QT_TRANSLATE_NOOP(
            "Tour", "Above: the icons at 1x, enlarged; below: the same panel at twice the pixel density"));
    if (tabTo("RoomStatus", 0))
        shootPicture(QStringLiteral("12-keyboard-focus"),
            QT_TRANSLATE_NOOP(
                "Tour", "By keyboard: Tab has reached the COM1 room button (the dotted mark); Space or Return joins"),
            norvo::qt::PanelSnapshot::grab(*host_->panel().findChild<norvo::qt::FormView*>()));
    else {
        std::fprintf(stderr, "toka-demo: Tab did not reach the COM1 room button\n");
        failed_ = true;
    }
    if (QWidget* focus = QApplication::focusWidget())
        focus->clearFocus();
    click("GeneralSpeaker");
    shoot(QStringLiteral("08-all-to-speaker"), QT_TRANSLATE_NOOP("Tour", "All channels to the speaker"));

    for (const char* room : {"EDDF_TWR", "124.3", "EGLL_TWR"}) {
        typeAndEnter(QString::fromLatin1(room));
        session_->advance(800);
    }
    // Leave the free channel: what the restarted panel lists comes from the
    // settings alone.
    click("RoomStatus", 2);
    closePanel();
    openPanel();
    shoot(QStringLiteral("09-remembered-channels"),
        QT_TRANSLATE_NOOP("Tour", "After a restart: the remembered channels, newest first"), true);

    console_->resize(980, 560);
    console_->show();
    QApplication::processEvents();
    const QString consoleFile = QDir(folder_).filePath(QStringLiteral("10-console.png"));
    if (console_->grab().save(consoleFile))
        written_ << consoleFile;
    else
        failed_ = true;
    // The quit button: the panel asks its container, which closes once the
    // button has blinked.
    bool closed = false;
    QObject::connect(host_.get(), &HostWindow::closed, [&closed] { closed = true; });
    click("btnQuit");
    QElapsedTimer waited;
    waited.start();
    while (!closed && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    if (!closed || host_->isVisible()) {
        std::fprintf(stderr, "toka-demo: the quit button did not close the host window\n");
        failed_ = true;
    }
    closePanel();
    console_.reset();
    QObject::disconnect(logging);
    log.flush();

    std::printf("toka-demo: tour written to %s\n", qPrintable(QDir(folder_).absolutePath()));
    for (const QString& file : written_)
        std::printf("  %s\n", qPrintable(QFileInfo(file).fileName()));
    std::printf("  %s\n", qPrintable(QFileInfo(logFile).fileName()));
    if (!network.contract().violations().empty()) {
        std::fprintf(stderr, "toka-demo: %zu contract breaches, see the log\n", network.contract().violations().size());
        return 1;
    }
    return failed_ ? 1 : 0;
}
