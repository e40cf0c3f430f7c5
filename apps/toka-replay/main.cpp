#include "ReplayProgram.h"

#include <iostream>

#ifdef NORVO_REPLAY_WITH_QT
#include "OffscreenApplication.h"
#include "QtPanelRenderer.h"
#include "qt/common/QtSettingsStore.h"
#endif
#ifdef NORVO_REPLAY_WITH_QUICK
#include "QuickPanelRenderer.h"
#endif

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
#ifdef NORVO_REPLAY_WITH_QT
    norvo::replay::OffscreenApplication application(argc > 0 ? argv[0] : "toka-replay");
    norvo::replay::QtPanelRenderer widgets(application);
    norvo::replay::FrontEnds frontEnds{{"widgets", &widgets}};
#ifdef NORVO_REPLAY_WITH_QUICK
    norvo::replay::QuickPanelRenderer quick(application);
    frontEnds.emplace_back("quick", &quick);
#endif
    const auto openSettings = [](const std::filesystem::path& file) {
        return norvo::qt::QtSettingsStore::forFile(QString::fromStdString(file.string()));
    };
    return norvo::replay::ReplayProgram::run(arguments, std::cin, std::cout, std::cerr, frontEnds, openSettings);
#else
    return norvo::replay::ReplayProgram::run(arguments, std::cin, std::cout, std::cerr);
#endif
}
