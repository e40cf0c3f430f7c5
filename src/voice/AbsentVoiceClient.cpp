#include "voice/AbsentVoiceClient.h"

namespace norvo {

// Nothing is asked of these while every lock is refused; they answer empty.
std::string AbsentVoiceClient::ReceiveRadio() { return {}; }
std::string AbsentVoiceClient::TransmitRadio() { return {}; }
std::string AbsentVoiceClient::Com1Frequency() { return {}; }
std::string AbsentVoiceClient::Com2Frequency() { return {}; }
std::string AbsentVoiceClient::ObjectType() { return {}; }
std::string AbsentVoiceClient::ObjectName() { return {}; }
std::string AbsentVoiceClient::GetString(std::int32_t) { return {}; }

} // namespace norvo
