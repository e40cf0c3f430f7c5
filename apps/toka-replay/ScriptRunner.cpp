#include "ScriptRunner.h"

#include "ScriptError.h"
#include "ScriptParser.h"
#include "ScriptSession.h"

namespace norvo::replay {

bool ScriptRunner::run(std::string_view fileName, std::string_view script, std::ostream& out, std::ostream& err) const
{
    std::size_t lineNumber = 0;
    ScriptSession session(options_, out, [&](const std::string& message) {
        out.flush();
        err << fileName << ':' << lineNumber << ": settings: " << message << '\n';
    });
    std::size_t start = 0;
    while (start < script.size()) {
        std::size_t end = script.find('\n', start);
        if (end == std::string_view::npos)
            end = script.size();
        std::string_view line = script.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        const auto report = [&](const std::string& why) {
            out.flush();
            err << fileName << ':' << lineNumber << ": error: " << why << '\n';
        };
        try {
            if (const auto command = ScriptParser::parse(line)) {
                session.execute(*command);
                // A reader at the other end of a pipe sees each command's
                // lines as soon as it has run.
                out.flush();
            }
        } catch (const ScriptError& error) {
            report(error.what());
            return false;
        } catch (const std::exception& error) {
            // Nothing the panel raises gets here; this is the runner's own failure.
            report(std::string("internal error: ") + error.what());
            return false;
        }
    }
    return true;
}

} // namespace norvo::replay
