#include "LaunchAtLogin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace LaunchAtLogin {
namespace {

// A value of the entry's [Desktop Entry] group, or empty.
QString entryValue(const QByteArray& contents, const QByteArray& key)
{
    bool inMainGroup = false;
    for (QByteArray line : contents.split('\n')) {
        line = line.trimmed();
        if (line.startsWith('['))
            inMainGroup = line == "[Desktop Entry]";
        else if (inMainGroup && line.startsWith(key + '=') )
            return QString::fromUtf8(line.mid(key.size() + 1)).trimmed();
    }
    return {};
}

// Quotes an Exec argument as the desktop entry specification asks.
QString quotedArgument(const QString& argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = false;
    for (QChar c : argument)
        needsQuotes = needsQuotes || reserved.contains(c);
    if (!needsQuotes)
        return argument;
    QString escaped = argument;
    escaped.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u'"', QStringLiteral("\\\""))
        .replace(u'`', QStringLiteral("\\`"))
        .replace(u'$', QStringLiteral("\\$"));
    return u'"' + escaped + u'"';
}

}  // namespace

QString entryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/autostart/com.lampstride.Lampstride.desktop");
}

bool isEnabled()
{
    QFile file(entryPath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray contents = file.readAll();
    if (!contents.contains("[Desktop Entry]"))
        return false;
    return entryValue(contents, "Hidden").compare(QLatin1String("true"), Qt::CaseInsensitive) != 0
        && entryValue(contents, "X-GNOME-Autostart-enabled").compare(QLatin1String("false"), Qt::CaseInsensitive) != 0;
}

bool setEnabled(bool enabled, const QString& executable)
{
    const QString path = entryPath();
    if (!enabled)
        return !QFile::exists(path) || QFile::remove(path);

    if (executable.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    const QString contents = QStringLiteral(
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=Lampstride\n"
        "Comment=Пошук і вставлення біблійних віршів\n"
        "Exec=%1\n"
        "Icon=com.lampstride.Lampstride\n"
        "Terminal=false\n"
        "X-GNOME-Autostart-enabled=true\n").arg(quotedArgument(executable));
    // Written beside the entry and renamed over it: all or nothing.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(contents.toUtf8());
    return file.commit();
}

bool setEnabled(bool enabled)
{
    return setEnabled(enabled, QCoreApplication::applicationFilePath());
}

}  // namespace LaunchAtLogin
