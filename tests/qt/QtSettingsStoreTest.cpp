#include "QtTestSupport.h"

#include "qt/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace norvo::qt {
namespace {

struct QtSettingsStoreTest : ::testing::Test {
    QByteArray fileBytes() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeFile(const QByteArray& bytes) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString path() const { return folder.filePath(QStringLiteral("NORVOUITOKA.ini")); }
    std::string get(QtSettingsStore& from, const char* key)
    {
        return from.GetSetting("NORVOUITOKA", "PRIVATE", key, "?");
    }

    QTemporaryDir folder;
    QtSettingsStore store{folder.path()};
};

// Including what another program writes meanwhile.
TEST_F(QtSettingsStoreTest, ValuesSurviveANewStoreOnTheSameFile)
{
    store.SaveSetting("NORVOUITOKA", "PRIVATE", "CHANNEL0", " EDDF_TWR ");
    store.SaveSetting("NORVOUITOKA", "PRIVATE", "CHANNEL1", "");
    QtSettingsStore restarted(folder.path());
    EXPECT_EQ(get(restarted, "CHANNEL0"), " EDDF_TWR ");
    EXPECT_EQ(get(restarted, "CHANNEL1"), "");
    EXPECT_EQ(get(restarted, "CHANNEL2"), "?");
    EXPECT_EQ(restarted.GetSetting("NORVOUITOKA", "OTHER", "CHANNEL0", "?"), "?");
    EXPECT_TRUE(fileBytes().contains("[PRIVATE]"));
    writeFile("[PRIVATE]\nCHANNEL0=LFPG_APP\n");
    EXPECT_EQ(get(restarted, "CHANNEL0"), "LFPG_APP");
}

struct BrokenFileTest : QtSettingsStoreTest, ::testing::WithParamInterface<bool> { };

// A file that cannot be read or parsed gives defaults and is never written over.
TEST_P(BrokenFileTest, IsReportedAndKeptAsItIs)
{
    const bool folderInTheWay = GetParam();
    if (folderInTheWay)
        ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("NORVOUITOKA.ini")));
    else
        writeFile("[PRIVATE\nCHANNEL0=LFPG_APP\n");
    const QByteArray before = fileBytes();
    testing::WarningLog warnings;
    EXPECT_EQ(get(store, "CHANNEL0"), "?");
    EXPECT_TRUE(warnings.contains(folderInTheWay ? "cannot be read or written" : "is not a valid settings file"));
    EXPECT_THROW(store.SaveSetting("NORVOUITOKA", "PRIVATE", "CHANNEL0", "EDDF_TWR"), SettingsError);
    EXPECT_EQ(fileBytes(), before);
}

INSTANTIATE_TEST_SUITE_P(Files, BrokenFileTest, ::testing::Values(false, true),
    [](const auto& info) { return info.param ? "Unreadable" : "Corrupt"; });

} // namespace
} // namespace norvo::qt
