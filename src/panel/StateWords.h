#pragma once

#include <string_view>

// The words that tell assistive technology what an indicator's colour tells
// the eye; the room states and activities use the words of their tooltips.
namespace norvo::StateWords {

constexpr std::string_view On = "On";
constexpr std::string_view Off = "Off";
constexpr std::string_view Muted = "Muted";
constexpr std::string_view Connected = "Connected";
constexpr std::string_view Active = "Active";
constexpr std::string_view Inactive = "Inactive";
constexpr std::string_view NotConnected = "Not connected";

} // namespace norvo::StateWords
