#include "ReplayProgram.h"

#include "ScriptRunner.h"

#include <NorvoUITOKA/norvouitoka_version.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <system_error>

namespace norvo::replay {

namespace {

constexpr const char* Usage
    = "usage: toka-replay [--png-dir DIR] [--settings INI] [--front widgets|quick] FILE...   (\"-\" reads "
      "standard input)";

std::string systemReason(int error) { return std::generic_category().message(error); }

// The script's text, or why it cannot be had.
std::string readAll(const std::string& file, std::istream& in, std::optional<std::string>& why)
{
    if (file == "-")
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    std::error_code error;
    if (std::filesystem::is_directory(file, error)) {
        why = "it is a folder";
        return {};
    }
    errno = 0;
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
        why = errno != 0 ? systemReason(errno) : "it cannot be opened";
        return {};
    }
    std::ostringstream text;
    text << stream.rdbuf();
    if (stream.bad()) {
        why = "it cannot be read to its end";
        return {};
    }
    return text.str();
}

// Why snapshots cannot land in the folder, if they cannot: it is made when
// missing, and a file is written into it and removed again, which tells
// more than permission bits do.
std::optional<std::string> unwritableFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return error.message();
    if (!std::filesystem::is_directory(folder, error))
        return "it is not a folder";
    const std::filesystem::path probe = folder / ".toka-replay-probe";
    errno = 0;
    std::FILE* file = std::fopen(probe.string().c_str(), "wb");
    if (!file)
        return systemReason(errno);
    std::fclose(file);
    std::filesystem::remove(probe, error);
    return std::nullopt;
}

} // namespace

int ReplayProgram::run(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
    std::ostream& err, const FrontEnds& frontEnds, SettingsFileOpener openSettings)
{
    ReplayOptions options;
    options.renderer = frontEnds.empty() ? nullptr : frontEnds.front().second;
    std::string front;
    bool pngDirGiven = false;
    std::vector<std::string> files;
    bool optionsEnded = false;
    const auto usageError = [&](const std::string& why) {
        err << "toka-replay: " << why << '\n' << Usage << '\n';
        return UsageError;
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (optionsEnded || argument == "-" || !argument.starts_with("-")) {
            files.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            out << Usage << '\n';
            return Success;
        } else if (argument == "--version") {
            out << "toka-replay " << NORVOUITOKA_VERSION_STRING << '\n';
            return Success;
        } else if (argument == "--png-dir" && hasValue) {
            options.pngDir = arguments[++i];
            pngDirGiven = true;
        } else if (argument.starts_with("--png-dir=") && argument.size() > 10) {
            options.pngDir = argument.substr(10);
            pngDirGiven = true;
        } else if (argument == "--settings" && hasValue) {
            options.settingsFile = arguments[++i];
        } else if (argument.starts_with("--settings=") && argument.size() > 11) {
            options.settingsFile = argument.substr(11);
        } else if (argument == "--front" && hasValue) {
            front = arguments[++i];
        } else if (argument.starts_with("--front=")) {
            front = argument.substr(8);
        } else if (argument == "--png-dir") {
            return usageError("--png-dir needs a folder");
        } else if (argument == "--settings") {
            return usageError("--settings needs an INI file");
        } else {
            return usageError("unknown option " + argument);
        }
    }
    if (files.empty()) {
        err << Usage << '\n';
        return UsageError;
    }
    if (!front.empty()) {
        const auto named = std::find_if(
            frontEnds.begin(), frontEnds.end(), [&](const auto& frontEnd) { return frontEnd.first == front; });
        if (named == frontEnds.end())
            return usageError("--front " + front + ": no such front end in this toka-replay");
        options.renderer = named->second;
    }
    if (!options.settingsFile.empty()) {
        if (!openSettings)
            return usageError("--settings needs the Qt front end, which this toka-replay is built without");
        options.openSettings = std::move(openSettings);
    }

    int status = Success;
    if (pngDirGiven) {
        if (const auto why = unwritableFolder(options.pngDir)) {
            err << "toka-replay: --png-dir " << options.pngDir.string() << ": cannot be written: " << *why << '\n';
            status = UsageError;
        }
    }
    const ScriptRunner runner(options);
    for (const std::string& file : files) {
        std::optional<std::string> why;
        const std::string script = readAll(file, in, why);
        if (why) {
            err << file << ": error: cannot read the file: " << *why << '\n';
            status = UsageError;
            continue;
        }
        if (!runner.run(file, script, out, err) && status == Success)
            status = ScriptFailed;
    }
    return status;
}

} // namespace norvo::replay
