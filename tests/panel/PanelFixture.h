#pragma once

#include "labels/UserLabelGraph.h"
#include "panel/TOKA.h"
#include "platform/ComboBox.h"
#include "platform/Label.h"
#include "platform/ManualClock.h"
#include "recording/CallLog.h"
#include "recording/InMemoryVoiceClient.h"
#include "recording/LoggingVoiceClient.h"
#include "recording/MemorySettingsStore.h"
#include "recording/RecordingDockFrame.h"
#include "recording/RecordingWindowSystem.h"
#include "support/PanelEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace norvo::testing {

using Lines = std::vector<std::string>;

inline bool contains(const Lines& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// A panel wired to recording outside components. The usual voice object has
// handle 7, three slots from index 7: names and states 7..9, information and
// speaker 10..12, receive 13..15, transmit 16..18, receive activity 19..21,
// send activity 22..24, priority 25..27.
struct PanelTest : ::testing::Test {
    static constexpr std::int32_t Handle = 7;

    CallLog log;
    InMemoryVoiceClient voice;
    // The panel's voice client: the in-memory one, its calls logged.
    LoggingVoiceClient loggedVoice{voice, log.writer(), LoggingVoiceClient::FailureReasons::LeftOut};
    RecordingDockFrame dock{log};
    MemorySettingsStore settings;
    RecordingWindowSystem windows{log};
    ManualClock clock;
    std::unique_ptr<TOKA> panel = makePanel();

    std::unique_ptr<TOKA> makePanel()
    {
        return std::make_unique<TOKA>(TokaEnvironment{loggedVoice, dock, settings, windows, clock});
    }
    void addObject(std::int32_t a, std::int32_t b, std::int32_t handle = Handle)
    {
        voice.addObject(handle, "VOICE", "TOKA");
        voice.setLong(handle, 0, a);
        voice.setLong(handle, 1, b);
    }
    void setPilot(const std::string& receive, const std::string& transmit)
    {
        voice.setPilot(InMemoryVoiceClient::Pilot{receive, transmit, "122.800", "121.500"});
    }
    // Started and bound to the usual object, the calls so far forgotten.
    void startBound(std::int32_t a = 3, std::int32_t b = 7)
    {
        addObject(a, b);
        panel->Initialize();
        raiseEvent(*panel, VoiceEvent::Kind::ObjectCreated, Handle);
        log.take();
    }
    Lines calls() { return log.take(); }

    template <class T = Control> T& control(std::string_view name, int index = Control::NoIndex)
    {
        return panel->form().get<T>(name, index);
    }
    Colour colour(std::string_view name, int index = Control::NoIndex) { return control(name, index).backColor(); }
    ComboBox& freeChannel() { return control<ComboBox>("FreqInfo", 2); }
    // Typed into the free channel, the caret at the end, and Enter pressed.
    void pressEnter(const std::string& text)
    {
        freeChannel().setText(text);
        freeChannel().setSelStart(static_cast<std::int32_t>(text.size()));
        std::int16_t enter = 13;
        freeChannel().keyPress(enter);
    }
};

// Everything a user could see of a control tree, one line per control.
inline Lines snapshot(const Control& root)
{
    Lines lines;
    for (const auto& child : root.children()) {
        std::string line = child->reference() + (child->visible() ? " shown " : " hidden ")
            + std::to_string(child->backColor()) + " " + child->toolTipText();
        if (const auto* label = dynamic_cast<const Label*>(child.get()))
            line += " caption=" + label->caption();
        if (const auto* box = dynamic_cast<const ComboBox*>(child.get())) {
            line += " text=" + box->text();
            for (const auto& item : box->items())
                line += " item=" + item;
        }
        if (const auto* skinned = dynamic_cast<const UserLabel*>(child.get()))
            line += " status=" + std::to_string(skinned->Status());
        lines.push_back(line);
        const Lines below = snapshot(*child);
        lines.insert(lines.end(), below.begin(), below.end());
    }
    return lines;
}

} // namespace norvo::testing
