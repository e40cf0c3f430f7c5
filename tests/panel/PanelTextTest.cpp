#include "panel/PanelText.h"

#include "panel/PanelWords.h"
#include "platform/TextCatalogue.h"

#include <gtest/gtest.h>

#include <tuple>

namespace norvo {
namespace {

// The tooltips as rooms show them are scenarios (show-room-states.script);
// here, that a text shown is recognised exactly when it is what would be
// built, so that a refresh rewrites it only when it reads otherwise.
TEST(RoomText, ShownTextIsRecognisedExactlyWhenItIsWhatWouldBeBuilt)
{
    // A host's catalogue may put the fields in another order.
    struct Reordering : TextCatalogue {
        std::string translate(const char* context, const char* english) const override
        {
            return std::string_view(english) == "Connected to %1: %2" ? "%2 (%1)"
                                                                      : TextCatalogue::translate(context, english);
        }
    } reordering;
    const PanelWords english(TextCatalogue::english());
    const PanelWords reordered(reordering);
    EXPECT_EQ(RoomText::connectedWords(reordered, "EDDF_TWR", "QNH\r\n1013").text(), "QNH  1013 (EDDF_TWR)");
    for (const auto& [shown, name, info] :
        {std::tuple{"R1 : a  b", "R1", "a\r\nb"}, std::tuple{"R : 1 : a", "R", "1 : a"},
            std::tuple{"R1 : a  b", "R1", "a\nbc"}, std::tuple{"R1 : a  bc", "R1", "a\nb"},
            std::tuple{"R1 : a", "R1 ", "a"}, std::tuple{"R1 - a", "R1", "a"}, std::tuple{" : ", "", ""},
            std::tuple{"a  b", "", "a\nb"}, std::tuple{"a bb", "", "a\nb"}, std::tuple{"ab", "", "a\rb"},
            // Breaks of either kind anywhere, alone or in runs.
            std::tuple{"R : ab    c", "R", "a\rb\n\nc\r"}, std::tuple{"R :   a  b", "R", "\r\na\n\rb"},
            std::tuple{"R : a    b", "R", "a\r\n\r\nb"}}) {
        for (const RoomText& text : {RoomText::radioTip(name, info), RoomText::freeChannelTip(info),
                 RoomText::connectedWords(english, name, info), RoomText::connectedWords(reordered, name, info)})
            EXPECT_EQ(text.isShownBy(shown), text.text() == shown) << shown;
    }
}

} // namespace
} // namespace norvo
