#pragma once

#include "BibleTsvReader.h"

#include <QString>
#include <QTemporaryDir>

// A tiny bible.db with invented verse text, written through the same writer as the
// real one, so tests see the real schema and index.
namespace FixtureBible {

QList<BibleTsv::Row> rows();

// Writes the fixture into `dir` and returns its path.
QString write(const QTemporaryDir& dir, const QString& fileName = QStringLiteral("fixture.db"));

// Runs SQL against a fixture file, to damage or alter it for a test.
void exec(const QString& path, const QString& sql);

}  // namespace FixtureBible
