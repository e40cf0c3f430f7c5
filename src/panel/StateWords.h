#pragma once

// The words that tell assistive technology what an indicator's colour tells
// the eye; the room states and activities use the words of their tooltips.
namespace norvo::StateWords {

constexpr const char* On = "On";
constexpr const char* Off = "Off";
constexpr const char* Muted = "Muted";
constexpr const char* Connected = "Connected";
constexpr const char* Active = "Active";
constexpr const char* Inactive = "Inactive";
constexpr const char* NotConnected = "Not connected";

} // namespace norvo::StateWords
