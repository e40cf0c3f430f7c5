#include "panel/PanelText.h"

#include "panel/PanelWords.h"
#include "platform/TextCatalogue.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

namespace norvo {
namespace {

// The tooltips as rooms show them are scenarios (show-room-states.script);
// here, what a script cannot reach: a catalogue's pattern with the fields in
// another order, and information with line breaks of either kind, alone or
// in runs.
TEST(RoomText, FieldsGoWhereThePatternPutsThemAndInformationOnOneLine)
{
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
    EXPECT_EQ(RoomText::connectedWords(english, "", "").text(), "Connected");
    for (const auto& [name, info, tip] :
        {std::tuple{"R1", "a\r\nb", "R1 : a  b"}, std::tuple{"%2", "%1", "%2 : %1"}, std::tuple{"", "", " : "},
            std::tuple{"R", "a\rb\n\nc\r", "R : ab    c"}, std::tuple{"R", "\r\na\n\rb", "R :   a  b"}}) {
        EXPECT_EQ(RoomText::radioTip(name, info).text(), tip) << tip;
        EXPECT_EQ(RoomText::freeChannelTip(info).text(), std::string_view(tip).substr(std::strlen(name) + 3)) << tip;
    }
}

} // namespace
} // namespace norvo
