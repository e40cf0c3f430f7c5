// A host whose window is a form made in Designer: the form places the panel,
// unbound, and the host gives it a simulated voice network afterwards.
#include "ui_FormHost.h"

#include <NorvoUITOKA/host/StandaloneDockFrame.h>
#include <NorvoUITOKA/panel/TOKA.h>
#include <NorvoUITOKA/platform/Label.h>
#include <NorvoUITOKA/sim/SimulatedVoiceClient.h>

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <string>

namespace {

std::string radioCaptions(norvo::qt::TokaWidget& toka)
{
    norvo::Form& form = toka.panel().form();
    return form.get<norvo::Label>("Freq", 0).caption() + " " + form.get<norvo::Label>("Freq", 1).caption();
}

bool expect(const std::string& what, const std::string& seen, const std::string& wanted)
{
    std::printf("%s: %s\n", what.c_str(), seen.c_str());
    if (seen == wanted)
        return true;
    std::fprintf(stderr, "%s: expected %s\n", what.c_str(), wanted.c_str());
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    Ui::FormHost form;
    form.setupUi(&window);
    window.show();
    QApplication::processEvents();
    bool ok = expect("unbound", radioCaptions(*form.toka), "COMM1 COMM2");

    // The remembered channels in a file of this run, not the user's.
    const QTemporaryDir folder;
    form.toka->setSettingsFile(folder.filePath(QStringLiteral("NORVOUITOKA.ini")));
    norvo::SimulatedVoiceClient network;
    norvo::StandaloneDockFrame dockFrame;
    form.toka->setDockFrame(&dockFrame);
    form.toka->setVoiceClient(&network);
    // The network's events, then what they became on the event loop.
    while (network.deliverEvents() > 0)
        QApplication::processEvents();
    QApplication::processEvents();
    ok = expect("bound", radioCaptions(*form.toka), "122.800 121.900") && ok;
    ok = expect("panel size", std::to_string(form.toka->width()) + "x" + std::to_string(form.toka->height()),
             std::to_string(norvo::TOKA::DesignWidth) + "x" + std::to_string(norvo::TOKA::DesignHeight))
        && ok;
    form.toka->setVoiceClient(nullptr);
    return ok ? 0 : 1;
}
