#include "panel/RadioDisplay.h"

#include "panel/Accessibility.h"
#include "panel/PanelPalette.h"

#include <string>

namespace norvo {

using namespace PanelPalette;

namespace {

// A radio selection, "1", "2" or "B" (both), as its one character; any other
// text selects no radio and gets none.
char selectionCode(const std::string& selection) { return selection.size() == 1 ? selection[0] : '\0'; }

} // namespace

void RadioDisplay::Norvo_MainPilotUserChanged()
{
    VoiceClient& client = voice_.client();
    char receive = 0;
    char transmit = 0;
    const bool pilotPresent = voice_.whilePilotLocked([&] {
        receive = selectionCode(client.ReceiveRadio());
        transmit = selectionCode(client.TransmitRadio());
        c_.Freq[0]->setCaption(client.Com1Frequency());
        c_.Freq[1]->setCaption(client.Com2Frequency());
    });
    if (!pilotPresent) {
        c_.Freq[0]->setCaption("COMM1");
        c_.Freq[1]->setCaption("COMM2");
        for (std::size_t k = 0; k < 2; ++k) {
            c_.Freq[k]->setAccessibleDescription("");
            c_.COMReceive[k]->setBackColor(Brown);
            c_.COMTransmit[k]->setBackColor(Brown);
            Accessibility::showToggle(*c_.COMReceive[k], false, words_);
            Accessibility::showToggle(*c_.COMTransmit[k], false, words_);
        }
        return;
    }
    // Read for the screen as for the ear: the frequency is the caption.
    for (Label* frequency : {c_.Freq[0], c_.Freq[1]})
        frequency->setAccessibleDescription(frequency->caption());
    const auto show = [&](bool bound) {
        showSelection(receive, bound, true);
        showSelection(transmit, bound, false);
    };
    if (!voice_.whileObjectLocked([&] { show(true); }))
        show(false);
}

// Lights the buttons of the selected radios; while an object is bound, only
// those whose slot is not muted.
void RadioDisplay::showSelection(char selection, bool bound, bool receive)
{
    using Block = VoiceObject::Block;
    const auto& buttons = receive ? c_.COMReceive : c_.COMTransmit;
    const Block mute = receive ? Block::ReceiveMute : Block::TransmitMute;
    const auto paint = [&](std::int32_t k, bool selected) {
        const bool on = selected && (!bound || voice_.value(mute, k) == 0);
        PictureBox& button = *buttons[static_cast<std::size_t>(k)];
        button.setBackColor(on ? Green : Brown);
        Accessibility::showToggle(button, on, words_, selected && !on ? words_.muted : std::string_view{});
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
