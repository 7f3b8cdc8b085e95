#include "ClipboardService.h"
#include "FakePasteboard.h"

#include <gtest/gtest.h>

namespace {

PasteboardItem itemOf(std::initializer_list<std::pair<const char*, QByteArray>> entries)
{
    PasteboardItem item;
    for (const auto& [type, bytes] : entries)
        item.set(QString::fromLatin1(type), bytes);
    return item;
}

const QList<PasteboardItem> richContent = {
    itemOf({{"text/plain", "слово"}, {"text/html", "<b>слово</b>"}, {"image/png", QByteArray("\x89PNG\r\n\x1a\n\0\x01", 10)}}),
    itemOf({{"text/uri-list", "file:///tmp/a.txt\r\n"}, {"application/x-custom", QByteArray(300, '\0')}}),
};

}  // namespace

TEST(ClipboardService, TransientTextIsMarkedAndRestoredByteForByte)
{
    FakePasteboard pasteboard;
    pasteboard.items = richContent;
    ClipboardService service(pasteboard);

    service.copyTransient("Івана 3:16");
    ASSERT_EQ(pasteboard.items.size(), 1);
    EXPECT_EQ(pasteboard.items[0], itemOf({{"text/plain", "Івана 3:16"},
                                            {"org.nspasteboard.TransientType", ""},
                                            {"x-kde-passwordManagerHint", "secret"}}));

    service.restorePreviousIfNeeded();
    EXPECT_EQ(pasteboard.items, richContent);
    const int writes = pasteboard.writes;
    service.restorePreviousIfNeeded();
    EXPECT_EQ(pasteboard.writes, writes) << "a second restore does nothing";
    EXPECT_EQ(pasteboard.items, richContent);
}

TEST(ClipboardService, EmptyClipboardComesBackEmpty)
{
    FakePasteboard pasteboard;
    ClipboardService service(pasteboard);
    service.copyTransient("текст");
    EXPECT_TRUE(service.hasSnapshot()) << "an empty snapshot is still a snapshot";
    service.restorePreviousIfNeeded();
    EXPECT_TRUE(pasteboard.items.isEmpty());
    EXPECT_FALSE(service.hasSnapshot());
}

TEST(ClipboardService, UnreadableFormatsAreLeftOut)
{
    FakePasteboard pasteboard;
    pasteboard.items = {itemOf({{"text/plain", "a"}, {"application/x-broken", "?"}, {"text/html", "<i>a</i>"}})};
    pasteboard.unreadable = {"application/x-broken"};
    ClipboardService service(pasteboard);
    service.copyTransient("b");
    service.restorePreviousIfNeeded();
    EXPECT_EQ(pasteboard.items, QList<PasteboardItem>{itemOf({{"text/plain", "a"}, {"text/html", "<i>a</i>"}})});
}

TEST(ClipboardService, TheUsersCopyCancelsAPendingRestore)
{
    FakePasteboard pasteboard;
    pasteboard.items = richContent;
    ClipboardService service(pasteboard);
    service.copyTransient("вставка");
    service.copy("скопійовано");
    EXPECT_EQ(pasteboard.items, QList<PasteboardItem>{itemOf({{"text/plain", "скопійовано"}})}) << "no transient marker";
    service.restorePreviousIfNeeded();
    EXPECT_EQ(pasteboard.text(), "скопійовано");
}

// Two insertions in quick succession: the second must not snapshot the first one's
// transient text, or the user's own content would be lost for good.
TEST(ClipboardService, ASecondInsertionBeforeTheRestoreKeepsTheUsersContent)
{
    FakePasteboard pasteboard;
    pasteboard.items = richContent;
    ClipboardService service(pasteboard);
    service.copyTransient("перша вставка");
    service.copyTransient("друга вставка");
    EXPECT_EQ(pasteboard.text(), "друга вставка");
    service.restorePreviousIfNeeded();
    EXPECT_EQ(pasteboard.items, richContent);
}
