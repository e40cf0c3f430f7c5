#include "QtTestSupport.h"

#include "qt/common/Conversions.h"

#include <QPalette>

namespace norvo::qt {
namespace {

TEST(ConversionsTest, SystemColoursComeFromThePalette)
{
    EXPECT_EQ(toQColor(SystemWindowText), QApplication::palette().color(QPalette::WindowText));
}

} // namespace
} // namespace norvo::qt
