#pragma once

#include <QtGlobal>

// What a store holds. firstMs and lastMs are 0 in an empty store.
struct HistoryStats
{
    qint64 points = 0;
    qint64 samples = 0;
    qint64 firstMs = 0;
    qint64 lastMs = 0;
    qint64 bytes = 0; // on disk: the database file, or the server's tables and indexes
};
