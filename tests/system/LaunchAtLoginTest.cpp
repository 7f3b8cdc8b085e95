#include "AccessibilityManager.h"
#include "FakePlatform.h"
#include "LaunchAtLogin.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class LaunchAtLoginTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", previous); }

    QByteArray entry() const
    {
        QFile f(LaunchAtLogin::entryPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir config;
    QByteArray previous;
};

}  // namespace

TEST_F(LaunchAtLoginTest, EnableWritesAnAutostartEntryAndDisableRemovesIt)
{
    EXPECT_TRUE(LaunchAtLogin::entryPath().startsWith(config.path() + "/autostart/"));
    EXPECT_FALSE(LaunchAtLogin::isEnabled());
    EXPECT_TRUE(LaunchAtLogin::setEnabled(true, "/opt/my apps/lampstride"));
    EXPECT_TRUE(LaunchAtLogin::isEnabled());
    EXPECT_TRUE(entry().contains("Exec=\"/opt/my apps/lampstride\"\n")) << entry().constData();
    EXPECT_TRUE(entry().startsWith("[Desktop Entry]\nType=Application\n"));
    EXPECT_TRUE(LaunchAtLogin::setEnabled(false, "/opt/my apps/lampstride"));
    EXPECT_FALSE(QFile::exists(LaunchAtLogin::entryPath()));
    EXPECT_TRUE(LaunchAtLogin::setEnabled(false, "")) << "disabling what is off succeeds";
}

TEST_F(LaunchAtLoginTest, HiddenOrSwitchedOffEntriesReadAsDisabled)
{
    const std::pair<QByteArray, bool> cases[] = {
        {"[Desktop Entry]\nType=Application\nExec=x\n", true},
        {"[Desktop Entry]\nExec=x\nHidden=true\n", false},
        {"[Desktop Entry]\nExec=x\nX-GNOME-Autostart-enabled=false\n", false},
        {"[Other Group]\nHidden=true\n[Desktop Entry]\nExec=x\n", true},
        {"not an entry at all", false},
    };
    QDir().mkpath(config.filePath("autostart"));
    for (const auto& [contents, enabled] : cases) {
        QFile f(LaunchAtLogin::entryPath());
        f.open(QIODevice::WriteOnly);
        f.write(contents);
        f.close();
        EXPECT_EQ(LaunchAtLogin::isEnabled(), enabled) << contents.constData();
    }
    EXPECT_TRUE(LaunchAtLogin::setEnabled(true, "/usr/bin/lampstride"));
    EXPECT_TRUE(LaunchAtLogin::isEnabled()) << "enabling replaces a hidden entry";
}

TEST_F(LaunchAtLoginTest, AFailedWriteLeavesNothingBehind)
{
    // "autostart" is a file, so the folder cannot be made.
    QFile blocker(config.filePath("autostart"));
    blocker.open(QIODevice::WriteOnly);
    blocker.close();
    EXPECT_FALSE(LaunchAtLogin::setEnabled(true, "/usr/bin/lampstride"));
    EXPECT_FALSE(LaunchAtLogin::isEnabled());
    EXPECT_EQ(QDir(config.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"autostart"});
    EXPECT_FALSE(LaunchAtLogin::setEnabled(true, "")) << "nothing to start";
}

TEST(AccessibilityManager, PermissionIsTheXTestExtension)
{
    FakeScheduler clock;
    FakeSyntheticInput input(clock);
    RecordingLogSink log;
    AccessibilityManager manager(input, log);
    EXPECT_TRUE(manager.isTrusted());
    EXPECT_TRUE(manager.promptForAccess());
    EXPECT_TRUE(log.lines.isEmpty());
    input.available = false;
    EXPECT_FALSE(manager.isTrusted());
    EXPECT_FALSE(manager.promptForAccess());
    manager.openSystemSettings();
    EXPECT_EQ(log.lines.size(), 1) << "nothing to open on X11: said once";
}
