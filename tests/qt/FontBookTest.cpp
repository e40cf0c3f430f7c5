#include "QtTestSupport.h"

#include "platform/ComboBox.h"
#include "platform/Form.h"
#include "platform/Label.h"
#include "qt/common/FontBook.h"
#include "qt/widgets/FormView.h"

#include <QComboBox>
#include <QFontDatabase>

namespace norvo::qt {
namespace {

struct FaceCase {
    Font font;
    int pixelSize;
};

void PrintTo(const FaceCase& face, std::ostream* out)
{
    *out << face.font.name << " " << face.font.size << (face.font.bold ? " bold" : "");
}

class FontBookFaces : public ::testing::TestWithParam<FaceCase> { };

// Qt is handed a face that is installed, so it never looks up a missing one.
TEST_P(FontBookFaces, NameAnInstalledFaceAtThePlatformsPixelSize)
{
    const QFont& font = FontBook::shared().font(GetParam().font);
    EXPECT_TRUE(QFontDatabase::families().contains(font.family(), Qt::CaseInsensitive)) << font.family().toStdString();
    EXPECT_EQ(font.pixelSize(), GetParam().pixelSize);
    EXPECT_EQ(font.bold(), GetParam().font.bold);
}

// The panel's fonts and the labels' caption fonts.
INSTANTIATE_TEST_SUITE_P(PanelFonts, FontBookFaces,
    ::testing::Values(FaceCase{{"Verdana", 6, false}, 8}, FaceCase{{"Verdana", 6.75, false}, 9},
        FaceCase{{"Arial", 8.25, false}, 11}, FaceCase{{"MS Sans Serif", 8.25, true}, 11},
        FaceCase{{"Marlett", 7, false}, 9}));

TEST(FontBookTest, EachFontOfAFormIsResolvedOnceWhateverItsControlsAndPaints)
{
    // Fonts no other test uses.
    const Font shared{"Verdana", 11.25, true};
    const Font boxFont{"Arial", 11.25, true};
    Form form("TOKA");
    form.setSize(200, 60);
    for (int i = 0; i < 3; ++i) {
        Label& label = form.addChild(std::make_unique<Label>("Label", i));
        label.setGeometry(0, i * 20, 100, 20);
        label.setCaption("COMM" + std::to_string(i));
        label.setFont(shared);
    }
    ComboBox& box = form.addChild(std::make_unique<ComboBox>("FreqInfo", 2));
    box.setGeometry(100, 0, 100, 20);
    box.setFont(boxFont);
    const int before = FontBook::shared().resolutions();
    FormView view(form);
    testing::render(view);
    testing::render(view);
    EXPECT_EQ(FontBook::shared().resolutions(), before + 2);
    EXPECT_EQ(view.widgetFor(box)->findChild<QComboBox*>()->font(), FontBook::shared().font(boxFont));
}

} // namespace
} // namespace norvo::qt
