// A headless host of the voice panel: no Qt and no real network. The
// simulated voice network stands in for a voice client; the host gives the
// panel a stand-alone dock frame, remembered channels in memory, a window
// system that draws nothing and a clock it moves by hand. Then it plays a
// user who joins the COM1 room and a free channel, and prints what the panel
// shows after each step.

#include <NorvoUITOKA/host/StandaloneDockFrame.h>
#include <NorvoUITOKA/norvouitoka_version.h>
#include <NorvoUITOKA/panel/TOKA.h>
#include <NorvoUITOKA/platform/ComboBox.h>
#include <NorvoUITOKA/platform/Label.h>
#include <NorvoUITOKA/platform/ManualClock.h>
#include <NorvoUITOKA/sim/SimulatedVoiceClient.h>

#include <cstdint>
#include <cstdio>
#include <exception>
#include <map>
#include <string>

namespace {

// Remembered channels for this run only.
class MemorySettings final : public norvo::SettingsStore {
public:
    std::string GetSetting(const std::string& application, const std::string& section, const std::string& key,
        const std::string& defaultValue) override
    {
        const auto found = values_.find(application + '/' + section + '/' + key);
        return found == values_.end() ? defaultValue : found->second;
    }
    Entries GetAllSettings(const std::string& application, const std::string& section) override
    {
        Entries entries;
        const std::string prefix = application + '/' + section + '/';
        for (const auto& [path, value] : values_)
            if (path.starts_with(prefix))
                entries.emplace_back(path.substr(prefix.size()), value);
        return entries;
    }
    void SaveSetting(const std::string& application, const std::string& section, const std::string& key,
        const std::string& value) override
    {
        values_[application + '/' + section + '/' + key] = value;
    }
    bool SaveSettings(const std::string& application, const std::string& section, const Entries& entries) override
    {
        for (const auto& [key, value] : entries)
            SaveSetting(application, section, key, value);
        return true;
    }
    std::optional<norvo::SettingsProblem> problem(const std::string&) override { return std::nullopt; }

private:
    std::map<std::string, std::string> values_;
};

// No windows to shape or move.
class NoWindows final : public norvo::WindowSystem {
public:
    std::int32_t CreateRoundRectRgn(
        std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t) override
    {
        return ++regions_;
    }
    bool SetWindowRgn(std::int32_t, std::int32_t, bool) override { return true; }
    void DeleteObject(std::int32_t) override { }
    void DoEvents() override { }
    void ReleaseCapture() override { }
    void SendMessage(std::int32_t, std::int32_t, std::int32_t) override { }

private:
    std::int32_t regions_ = 0;
};

struct Host {
    norvo::SimulatedVoiceClient network{norvo::SimulationOptions{.seed = 42, .randomActivity = false}};
    norvo::StandaloneDockFrame dockFrame;
    MemorySettings settings;
    NoWindows windows;
    norvo::ManualClock clock;
    // Last: it shuts down while the rest still exists.
    norvo::TOKA panel{norvo::TokaEnvironment{network, dockFrame, settings, windows, clock}};

    // User input, as the host's event loop would deliver it; then the
    // network's events.
    template <class Input> void user(const char* what, Input&& input)
    {
        network.beginHandler(what);
        input();
        network.endHandler();
        network.deliverEvents();
    }

    void wait(std::int64_t milliseconds)
    {
        network.advance(milliseconds);
        clock.advance(milliseconds);
        network.deliverEvents();
    }

    void show(const char* when)
    {
        norvo::Form& form = panel.form();
        std::printf("%s:\n", when);
        for (int radio = 0; radio < 2; ++radio)
            std::printf("  COM%d %-8s room %s\n", radio + 1, form.get<norvo::Label>("Freq", radio).caption().c_str(),
                form.at("RoomStatus", radio).toolTipText().c_str());
        std::printf("  free channel \"%s\" room %s\n", form.get<norvo::ComboBox>("FreqInfo", 2).text().c_str(),
            form.at("RoomStatus", 2).toolTipText().c_str());
    }
};

} // namespace

int main()
{
    std::printf("NorvoUITOKA %s, headless\n", NORVOUITOKA_VERSION_STRING);
    try {
        Host host;
        host.user("start-up", [&] { host.panel.Initialize(); });
        host.show("started");

        host.user("click RoomStatus(0)", [&] { host.panel.form().at("RoomStatus", 0).click(); });
        host.user("type EDDF_TWR in the free channel", [&] {
            auto& freeChannel = host.panel.form().get<norvo::ComboBox>("FreqInfo", 2);
            freeChannel.setText("EDDF_TWR");
            std::int16_t enter = 13;
            freeChannel.keyPress(enter);
        });
        host.show("asked for two rooms");

        host.wait(1000);
        host.show("a second later");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "core-host: %s\n", error.what());
        return 1;
    }
    return 0;
}
