#pragma once

#include "BibleTsvReader.h"

// Writes a complete bible.db: meta facts, the verses and their full-text index.
// Throws std::exception (SQLite's) on failure; the caller owns clean-up.
namespace BibleDbWriter {

inline const QString ohienkoTranslation = QStringLiteral("Переклад Івана Огієнка");

void write(const QString& path, const QList<BibleTsv::Row>& rows, const QString& translation);

// The text as the index holds it: NFC, lower-case, apostrophes removed.
QString searchableText(const QString& text);

}  // namespace BibleDbWriter
