// The real clipboard on a real X server: another client (xclip) owns rich content,
// the program puts its transient text there and then restores the earlier content,
// which must come back byte for byte.

#include "ClipboardService.h"
#include "Qt/QtPasteboard.h"
#include "VirtualDesktop.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QTemporaryFile>
#include <QThread>

namespace {

QByteArray pngImage()
{
    QImage image(24, 16, QImage::Format_ARGB32);
    image.fill(QColor(30, 90, 160, 200));
    QPainter(&image).fillRect(4, 4, 8, 8, Qt::yellow);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Runs Qt's event loop until `condition` holds or the time is up.
bool pumpUntil(const std::function<bool()>& condition, int timeoutMs = 5000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (condition())
            return true;
        QThread::msleep(10);
    }
    return condition();
}

QByteArray clipboardAs(const QString& target)
{
    const VirtualDesktop::Run read = guiTestDesktop().run("xclip", {"-selection", "clipboard", "-o", "-t", target});
    EXPECT_TRUE(read.finished) << "xclip -o " << qPrintable(target);
    return read.out;
}

}  // namespace

TEST(ClipboardX11, RichContentOfAnotherClientSurvivesATransientWrite)
{
    const std::pair<QString, QByteArray> cases[] = {
        {"image/png", pngImage()},
        {"text/html", QByteArray("<meta charset=\"utf-8\"><b>Бог</b> є <i>любов</i>\n")},
    };
    for (const auto& [type, bytes] : cases) {
        QTemporaryFile file;
        ASSERT_TRUE(file.open());
        file.write(bytes);
        file.flush();
        // xclip owns the clipboard and serves it until someone else takes it.
        std::unique_ptr<QProcess> owner = guiTestDesktop().start(
            "xclip", {"-quiet", "-selection", "clipboard", "-t", type, "-i", file.fileName()});
        QtPasteboard pasteboard(QGuiApplication::clipboard());
        ASSERT_TRUE(pumpUntil([&] { return pasteboard.types(0).contains(type); })) << qPrintable(type);

        ClipboardService service(pasteboard);
        service.copyTransient("Івана 3:16");
        EXPECT_EQ(QString::fromUtf8(clipboardAs("UTF8_STRING")), "Івана 3:16") << qPrintable(type);
        const QByteArray targets = clipboardAs("TARGETS");
        EXPECT_TRUE(targets.contains("org.nspasteboard.TransientType")) << targets.constData();
        EXPECT_EQ(clipboardAs("x-kde-passwordManagerHint"), "secret");
        EXPECT_TRUE(pumpUntil([&] { return owner->state() == QProcess::NotRunning; }))
            << "xclip gives up the clipboard once it is taken";

        service.restorePreviousIfNeeded();
        EXPECT_EQ(clipboardAs(type), bytes) << qPrintable(type) << " comes back byte for byte";
        EXPECT_FALSE(clipboardAs("TARGETS").contains("TransientType"));
    }
}

TEST(ClipboardX11, AnEmptyClipboardStaysEmpty)
{
    QGuiApplication::clipboard()->clear();
    QtPasteboard pasteboard(QGuiApplication::clipboard());
    pumpUntil([&] { return pasteboard.itemCount() == 0; }, 1000);
    ClipboardService service(pasteboard);
    service.copyTransient("текст");
    service.restorePreviousIfNeeded();
    EXPECT_EQ(pasteboard.itemCount(), 0);
    EXPECT_TRUE(clipboardAs("UTF8_STRING").isEmpty());
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    installGuiTestEnvironment(argc, argv, {});
    return RUN_ALL_TESTS();
}
