#include "ReplayProgram.h"

#include <iostream>

#ifdef NORVO_REPLAY_WITH_QT
#include "QtPanelRenderer.h"
#endif

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
#ifdef NORVO_REPLAY_WITH_QT
    norvo::replay::QtPanelRenderer renderer(argc, argv);
    return norvo::replay::ReplayProgram::run(arguments, std::cin, std::cout, std::cerr, &renderer);
#else
    return norvo::replay::ReplayProgram::run(arguments, std::cin, std::cout, std::cerr);
#endif
}
