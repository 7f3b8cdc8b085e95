#pragma once

#include "BibleSearchService.h"
#include "ClipboardService.h"
#include "FakePasteboard.h"
#include "FixtureBible.h"
#include "InsertionPreferences.h"
#include "RecordingSettingsStore.h"
#include "SearchHistoryStore.h"
#include "SearchPanelState.h"

#include <QTemporaryDir>

#include <memory>

// What the search panel works with, over the invented fixture Bible: a settings store
// in memory (history and preferences live there) and a fake clipboard.
struct FixturePanelServices {
    FixturePanelServices()
        : path(FixtureBible::write(dir)),
          database(std::move(BibleDatabase::open(path)).value()),
          search(std::make_unique<BibleSearchService>(database.get()))
    {
    }

    SearchPanelServices panelServices()
    {
        return {search.get(), database.get(), &history, &preferences, &clipboard};
    }

    QTemporaryDir dir;
    QString path;
    RecordingSettingsStore settings;
    FakePasteboard pasteboard;
    ClipboardService clipboard{pasteboard};
    SearchHistoryStore history{settings};
    InsertionPreferences preferences{settings};
    std::unique_ptr<BibleDatabase> database;
    std::unique_ptr<BibleSearchService> search;
};
