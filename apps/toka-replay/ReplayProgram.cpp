#include "ReplayProgram.h"

#include "ScriptRunner.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

namespace norvo::replay {

namespace {

constexpr const char* Usage = "usage: toka-replay [--png-dir DIR] FILE...   (\"-\" reads standard input)";

std::optional<std::string> readAll(const std::string& file, std::istream& in)
{
    if (file == "-")
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    std::ifstream stream(file, std::ios::binary);
    if (!stream)
        return std::nullopt;
    std::ostringstream text;
    text << stream.rdbuf();
    if (stream.bad())
        return std::nullopt;
    return text.str();
}

} // namespace

int ReplayProgram::run(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
    std::ostream& err, PanelRenderer* renderer)
{
    ReplayOptions options;
    options.renderer = renderer;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument == "-" || !argument.starts_with("-")) {
            files.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            out << Usage << '\n';
            return Success;
        } else if (argument == "--png-dir" && i + 1 < arguments.size()) {
            options.pngDir = arguments[++i];
        } else if (argument.starts_with("--png-dir=") && argument.size() > 10) {
            options.pngDir = argument.substr(10);
        } else {
            err << "toka-replay: "
                << (argument == "--png-dir" ? "--png-dir needs a folder" : "unknown option " + argument) << '\n'
                << Usage << '\n';
            return UsageError;
        }
    }
    if (files.empty()) {
        err << Usage << '\n';
        return UsageError;
    }

    const ScriptRunner runner(options);
    int status = Success;
    for (const std::string& file : files) {
        const std::optional<std::string> script = readAll(file, in);
        if (!script) {
            err << file << ": error: cannot read the file\n";
            status = ScriptFailed;
            continue;
        }
        if (!runner.run(file, *script, out, err))
            status = ScriptFailed;
    }
    return status;
}

} // namespace norvo::replay
