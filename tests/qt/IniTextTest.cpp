#include "QtTestSupport.h"

#include "qt/IniText.h"

#include <QSettings>

#include <random>

namespace norvo::qt {
namespace {

using testing::readByQSettings;
using Values = testing::IniValues;

// Random texts made of what the format treats specially: wherever the file
// gives a key that changes, and however its lines are broken, quoted and
// commented, QSettings reads the new values and every other key as before.
TEST(IniTextTest, ChangedTextReadsAsTheOldOneWithTheNewValues)
{
    const std::vector<QByteArray> pieces = {"[PRIVATE]", "[OTHER]", "[General]", "[%50RIVATE]", "CHANNEL0", "CHANNEL1",
        "PRIVATE\\CHANNEL1", "x", "=", "=v", "\"", "\\", ";", " ", "\t", "\n", "\n", "\n", "\r\n", ",", "@"};
    const IniText::Entries entries = {{"CHANNEL0", "new ; 0"}, {"CHANNEL1", "\"1\""}, {"CHANNEL2", ""}};
    std::mt19937 random(9);
    int parsed = 0;
    for (int round = 0; round < 600; ++round) {
        QByteArray text;
        for (int piece = std::uniform_int_distribution<int>(0, 24)(random); piece > 0; --piece)
            text += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
        QSettings::Status status;
        Values expected = readByQSettings(text, &status);
        if (status != QSettings::NoError)
            continue;
        ++parsed;
        for (const auto& [key, value] : entries)
            expected[QStringLiteral("PRIVATE/") + key] = value;
        const QByteArray changed = IniText::withEntries(text, QStringLiteral("PRIVATE"), entries);
        EXPECT_EQ(readByQSettings(changed, &status), expected) << text.toStdString() << "\n--\n"
                                                               << changed.toStdString();
        EXPECT_EQ(status, QSettings::NoError);
    }
    EXPECT_GT(parsed, 150);
}

TEST(IniTextTest, LinesThatDoNotChangeKeepTheirBytes)
{
    const QByteArray text = "; the user's notes\r\n[General]\r\nPRIVATE\\CHANNEL1=stale\r\ntop=1\r\n\r\n"
                            "[OTHER]\r\nstray = \"x;y\" ; why\r\n\r\n[PRIVATE]\r\nCHANNEL0=OLD\r\n"
                            "  CHANNEL1 = B ; kept\r\nFOREIGN=keep\r\n\r\n[PRIVATE]\r\nCHANNEL0=shadow";
    EXPECT_EQ(IniText::withEntries(text, QStringLiteral("PRIVATE"), {{"CHANNEL0", "A"}, {"CHANNEL1", ""}}),
        QByteArray("; the user's notes\r\n[General]\r\ntop=1\r\n\r\n[OTHER]\r\nstray = \"x;y\" ; why\r\n\r\n"
                   "[PRIVATE]\r\n; kept\r\nFOREIGN=keep\r\nCHANNEL0=A\r\nCHANNEL1=\r\n\r\n[PRIVATE]\r\n"));
    EXPECT_EQ(IniText::withEntries("[OTHER]\nx=1", QStringLiteral("PRIVATE"), {{"CHANNEL0", "A"}}),
        QByteArray("[OTHER]\nx=1\n\n[PRIVATE]\nCHANNEL0=A\n"));
}

} // namespace
} // namespace norvo::qt
