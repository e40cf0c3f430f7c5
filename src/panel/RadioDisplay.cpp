#include "panel/PanelPalette.h"
#include "panel/StateWords.h"
#include "panel/TokaControls.h"
#include "panel/VoiceLock.h"

namespace norvo {

using namespace PanelPalette;

namespace {

// A radio selection, "1", "2" or "B" (both), as its one character; any other
// text selects no radio and gets none.
char selectionCode(const std::string& selection) { return selection.size() == 1 ? selection[0] : '\0'; }

} // namespace

void TOKA::refreshRadios()
{
    Controls& c = *controls_;
    VoiceClient& voice = env_.voice;
    char receive = 0;
    char transmit = 0;
    const bool pilotPresent = withPilotLock(voice, [&] {
        receive = selectionCode(voice.ReceiveRadio());
        transmit = selectionCode(voice.TransmitRadio());
        c.Freq[0]->setCaption(voice.Com1Frequency());
        c.Freq[1]->setCaption(voice.Com2Frequency());
    });
    if (!pilotPresent) {
        c.Freq[0]->setCaption("COMM1");
        c.Freq[1]->setCaption("COMM2");
        for (std::size_t k = 0; k < 2; ++k) {
            c.Freq[k]->setAccessibleDescription("");
            c.COMReceive[k]->setBackColor(Brown);
            c.COMTransmit[k]->setBackColor(Brown);
            Controls::showToggle(*c.COMReceive[k], false);
            Controls::showToggle(*c.COMTransmit[k], false);
        }
        return;
    }
    // Read for the screen as for the ear: the frequency is the caption.
    for (Label* frequency : {c.Freq[0], c.Freq[1]})
        frequency->setAccessibleDescription(frequency->caption());
    const auto show = [&](bool bound) {
        showRadioSelection(receive, bound, true);
        showRadioSelection(transmit, bound, false);
    };
    if (!withObjectLock(voice, voiceHandle_, [&] { show(true); }))
        show(false);
}

// Lights the buttons of the selected radios; while an object is bound, only
// those whose slot is not muted.
void TOKA::showRadioSelection(char selection, bool bound, bool receive)
{
    using Block = VoiceObjectLayout::Block;
    auto& buttons = receive ? controls_->COMReceive : controls_->COMTransmit;
    const Block mute = receive ? Block::ReceiveMute : Block::TransmitMute;
    const auto paint = [&](std::size_t k, bool selected) {
        const bool on
            = selected && (!bound || env_.voice.GetLong(layout_.index(mute, static_cast<std::int32_t>(k))) == 0);
        buttons[k]->setBackColor(on ? Green : Brown);
        Controls::showToggle(*buttons[k], on, selected && !on ? StateWords::Muted : std::string_view{});
    };
    if (selection == '2') {
        paint(1, true);
        paint(0, false);
    } else {
        paint(0, selection == '1' || selection == 'B');
        paint(1, selection == 'B');
    }
}

} // namespace norvo
