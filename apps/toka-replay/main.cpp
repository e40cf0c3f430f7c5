#include "ReplayProgram.h"

#include <iostream>

#ifdef NORVO_REPLAY_WITH_QT
#include "QtPanelRenderer.h"
#include "qt/common/QtSettingsStore.h"
#endif

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
#ifdef NORVO_REPLAY_WITH_QT
    norvo::replay::QtPanelRenderer renderer(argc, argv);
    const auto openSettings = [](const std::filesystem::path& file) {
        return norvo::qt::QtSettingsStore::forFile(QString::fromStdString(file.string()));
    };
    return norvo::replay::ReplayProgram::run(arguments, std::cin, std::cout, std::cerr, &renderer, openSettings);
#else
    return norvo::replay::ReplayProgram::run(arguments, std::cin, std::cout, std::cerr);
#endif
}
