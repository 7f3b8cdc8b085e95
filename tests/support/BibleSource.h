#pragma once

#include <QFile>
#include <QString>

// One verse's text as the shipped source file has it (for checks on the real bible.db).
inline QString sourceVerse(const QString& tsvPath, const char* code, int chapter, int verse)
{
    QFile file(tsvPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray prefix = QByteArray(code) + '\t' + QByteArray::number(chapter) + '\t' + QByteArray::number(verse) + '\t';
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        const qsizetype tab = line.indexOf('\t');
        if (line.mid(tab + 1).startsWith(prefix))
            return QString::fromUtf8(line.mid(tab + 1 + prefix.size())).trimmed();
    }
    return {};
}
