// Builds bible.db from the verse text: meta facts, the verses, and a full-text
// index over the text as search sees it (NFC, lower-case, no apostrophes).
// Writes a temporary file beside the target and renames it only when complete,
// so a failed build never leaves a bible.db behind.

#include "BibleDbWriter.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

void fail(const QString& message)
{
    std::fprintf(stderr, "lampstride-build-db: %s\n", message.toUtf8().constData());
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "Використання: lampstride-build-db ВХІД.tsv ВИХІД.db\n");
        return 2;
    }
    const QString input = QString::fromUtf8(argv[1]);
    const QString output = QString::fromUtf8(argv[2]);

    QFile file(input);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("не вдалося прочитати %1: %2").arg(input, file.errorString()));
        return 1;
    }
    const BibleTsv::ParseResult parsed = BibleTsv::read(file.readAll(), QFileInfo(input).fileName());
    if (!parsed.error.isEmpty()) {
        // An older bible.db must not outlive a failed build and pass for this one.
        QFile::remove(output);
        fail(parsed.error);
        return 1;
    }

    const QString temporary = output + QStringLiteral(".partial");
    QFile::remove(temporary);
    try {
        BibleDbWriter::write(temporary, parsed.rows, BibleDbWriter::ohienkoTranslation);
    } catch (const std::exception& e) {
        QFile::remove(temporary);
        fail(QStringLiteral("не вдалося записати %1: %2").arg(output, QString::fromUtf8(e.what())));
        return 1;
    }
    // rename() replaces the old file in one step.
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(output).constData()) != 0) {
        QFile::remove(temporary);
        fail(QStringLiteral("не вдалося перейменувати %1 на %2").arg(temporary, output));
        return 1;
    }
    return 0;
}
