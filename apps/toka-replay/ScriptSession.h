#pragma once

#include "ReplayOptions.h"
#include "ScriptCommand.h"

#include <functional>
#include <memory>
#include <ostream>
#include <string>

namespace norvo::replay {

// One script's world: a fresh panel (once started) and fresh scripted outside
// components (voice client, dock-frame client, settings store, window system,
// clock), plus the free-standing labels the script creates.
class ScriptSession {
public:
    // Hears of what stands in the way of the settings (a file that cannot be
    // read or kept): no error of the script, and not part of its output.
    using SettingsProblemSink = std::function<void(const std::string& message)>;

    ScriptSession(const ReplayOptions& options, std::ostream& out, SettingsProblemSink settingsProblem);
    ~ScriptSession();
    ScriptSession(const ScriptSession&) = delete;
    ScriptSession& operator=(const ScriptSession&) = delete;

    // Runs one command, printing what it prints. Throws ScriptError for a
    // command that cannot run here (an invalid line); an error raised by the
    // panel or a label is printed as "error: TEXT" instead.
    void execute(const ScriptCommand& command);

private:
    struct World;

    ReplayOptions options_;
    std::ostream& out_;
    std::unique_ptr<World> world_;
};

} // namespace norvo::replay
