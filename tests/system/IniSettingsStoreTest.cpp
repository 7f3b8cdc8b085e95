#include "InsertionPreferences.h"
#include "Qt/IniSettingsStore.h"
#include "SearchHistoryStore.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

}  // namespace

// Files as QSettings writes them, read back the way a restarted program does.
TEST(IniSettingsStore, ReadsTheFileFormat)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath("stored.ini");
    writeFile(path, "[General]\n"
                    "com.lampstride.includeVerseNumbers=true\n"
                    "com.lampstride.formatKind=custom\n"
                    "com.lampstride.customTemplate=\n"
                    "com.lampstride.searchHistory=ів 3:16\n"
                    "com.lampstride.one=\"a, b\"\n"
                    "com.lampstride.many=\"a, b\", c\n"
                    "com.lampstride.none=@Invalid()\n"
                    "com.lampstride.onboardingVersionSeen=1\n");
    auto store = IniSettingsStore::atPath(path);
    EXPECT_EQ(store->boolValue("com.lampstride.includeVerseNumbers"), true);
    EXPECT_EQ(store->stringValue("com.lampstride.formatKind"), QString("custom"));
    EXPECT_EQ(store->stringValue("com.lampstride.customTemplate"), QString(""));
    EXPECT_EQ(store->stringListValue("com.lampstride.searchHistory"), QStringList{"ів 3:16"});
    EXPECT_EQ(store->stringListValue("com.lampstride.one"), QStringList{"a, b"});
    EXPECT_EQ(store->stringListValue("com.lampstride.many"), (QStringList{"a, b", "c"}));
    EXPECT_EQ(store->stringListValue("com.lampstride.none"), QStringList{});
    EXPECT_EQ(store->stringListValue("com.lampstride.absent"), std::nullopt);
    EXPECT_EQ(store->stringValue("com.lampstride.many"), std::nullopt);
    EXPECT_EQ(store->integerValue("com.lampstride.onboardingVersionSeen"), 1);
    EXPECT_EQ(store->boolValue("com.lampstride.absent"), std::nullopt);
}

TEST(IniSettingsStore, WritesReachTheFileAtOnce)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath("written.ini");
    auto store = IniSettingsStore::atPath(path);
    SearchHistoryStore history(*store);
    InsertionPreferences preferences(*store);
    history.record("ів 3:16");
    preferences.setCustomTemplate("");
    preferences.setIncludeVerseNumbers(true);
    const QByteArray file = readFile(path);
    EXPECT_TRUE(file.contains("com.lampstride.searchHistory=ів 3:16")) << file.constData();
    EXPECT_TRUE(file.contains("com.lampstride.customTemplate=\n")) << file.constData();
    EXPECT_TRUE(file.contains("com.lampstride.includeVerseNumbers=true")) << file.constData();
}

TEST(IniSettingsStore, DamagedFilesLoadDefaultsAndStayUntilAChange)
{
    const QByteArray damaged[] = {
        "[General]\ncom.lampstride.formatKind=cust",                         // cut off mid-value
        "[General\ncom.lampstride.formatKind=\xff\xfe\x00\x01\ncom.lampstride.numberedStyle", // garbage
        QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),                     // not text at all
        "[General]\ncom.lampstride.includeVerseNumbers=@Variant(\\0\\0\\0\\x7f)\n", // wrong type
    };
    int n = 0;
    for (const QByteArray& bytes : damaged) {
        const QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("damaged-%1.ini").arg(n++));
        writeFile(path, bytes);
        auto store = IniSettingsStore::atPath(path);
        InsertionPreferences preferences(*store);
        SearchHistoryStore history(*store);
        EXPECT_FALSE(preferences.includeVerseNumbers());
        EXPECT_EQ(preferences.formatKind(), FormatKind::TextWithReference);
        EXPECT_EQ(preferences.numberedStyle(), NumberedStyle::Multiline);
        EXPECT_TRUE(history.recent().isEmpty());
        EXPECT_EQ(readFile(path), bytes) << "loading never rewrites the file";

        preferences.setFormatKind(FormatKind::TextOnly);
        EXPECT_TRUE(readFile(path).contains("com.lampstride.formatKind=textOnly"));
    }
}

TEST(IniSettingsStore, AFileThatCannotBeReadIsHarmless)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath("a-folder.ini");
    QDir().mkpath(path);
    auto store = IniSettingsStore::atPath(path);
    InsertionPreferences preferences(*store);
    EXPECT_EQ(preferences.customTemplate(), InsertionPreferences::defaultCustomTemplate);
    preferences.setIncludeVerseNumbers(true);  // cannot be written; must not crash
    EXPECT_TRUE(preferences.includeVerseNumbers());
}
