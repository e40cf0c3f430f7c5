#include "QtTestSupport.h"

#include "qt/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

    QTemporaryDir folder;
    QtSettingsStore store{folder.path()};
};

TEST_F(QtSettingsStoreTest, ValuesSurviveANewStoreOnTheSameFile)
{
    store.SaveSetting("NORVOUITOKA", "PRIVATE", "CHANNEL0", " EDDF_TWR ");
    store.SaveSetting("NORVOUITOKA", "PRIVATE", "CHANNEL1", "");
    QtSettingsStore restarted(folder.path());
    EXPECT_EQ(restarted.GetSetting("NORVOUITOKA", "PRIVATE", "CHANNEL0", "?"), " EDDF_TWR ");
    EXPECT_EQ(restarted.GetSetting("NORVOUITOKA", "PRIVATE", "CHANNEL1", "?"), "");
    EXPECT_EQ(restarted.GetSetting("NORVOUITOKA", "PRIVATE", "CHANNEL2", "?"), "?");
    EXPECT_EQ(restarted.GetSetting("NORVOUITOKA", "OTHER", "CHANNEL0", "?"), "?");
    EXPECT_EQ(store.fileName("NORVOUITOKA"), path());
    EXPECT_TRUE(fileBytes().contains("[PRIVATE]"));
}

TEST_F(QtSettingsStoreTest, ValuesWrittenByHandAreRead)
{
    writeFile("[PRIVATE]\nCHANNEL0=LFPG_APP\nCHANNEL1=EGLL_GND\n");
    EXPECT_EQ(store.GetSetting("NORVOUITOKA", "PRIVATE", "CHANNEL1", ""), "EGLL_GND");
}

TEST_F(QtSettingsStoreTest, CorruptFileIsReportedAndNeverWrittenOver)
{
    const QByteArray corrupt("[PRIVATE\nCHANNEL0=LFPG_APP\n");
    writeFile(corrupt);
    testing::WarningLog warnings;
    EXPECT_EQ(store.GetSetting("NORVOUITOKA", "PRIVATE", "CHANNEL0", "none"), "none");
    EXPECT_TRUE(warnings.contains("is not a valid settings file"));
    EXPECT_THROW(store.SaveSetting("NORVOUITOKA", "PRIVATE", "CHANNEL0", "EDDF_TWR"), SettingsError);
    EXPECT_EQ(fileBytes(), corrupt);
}

TEST_F(QtSettingsStoreTest, UnreadableFileIsReported)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("NORVOUITOKA.ini")));
    testing::WarningLog warnings;
    EXPECT_EQ(store.GetSetting("NORVOUITOKA", "PRIVATE", "CHANNEL0", "none"), "none");
    EXPECT_TRUE(warnings.contains("cannot be read or written"));
    EXPECT_THROW(store.SaveSetting("NORVOUITOKA", "PRIVATE", "CHANNEL0", "EDDF_TWR"), SettingsError);
}

} // namespace
} // namespace norvo::qt
