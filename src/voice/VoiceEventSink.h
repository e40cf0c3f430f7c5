#pragma once

#include <NorvoUITOKA/norvouitoka_export.h>
#include <NorvoUITOKA/voice/VoiceEvent.h>

namespace norvo {

/// Where a voice client delivers its events, each as one value. The panel's
/// sink handles an event on the panel's thread; a client with threads of its
/// own hands its events to a sink that carries them there (the Qt front end
/// has one).
class NORVOUITOKA_EXPORT VoiceEventSink {
public:
    virtual ~VoiceEventSink() = default;
    /// Takes one event; the panel's sink may throw the error of the handler
    /// that ran.
    virtual void receive(const VoiceEvent& event) = 0;
};

} // namespace norvo
