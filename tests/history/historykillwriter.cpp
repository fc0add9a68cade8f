// SPDX-License-Identifier: GPL-3.0-or-later
// Stores made-up strings into the history given on the command line, one after another, and
// reports each one committed on standard output, until it is killed.
#include "historystore.h"
#include "historytestdb.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: history-killwriter URL FIRST_SEED SHOTS\n");
        return 2;
    }
    HistoryStore store;
    if (!store.Open(ParseHistoryUrl(QString::fromLocal8Bit(argv[1])))) {
        std::fprintf(stderr, "%s\n", qPrintable(store.ErrorString()));
        return 1;
    }
    const int shots = QByteArray(argv[3]).toInt();
    for (int seed = QByteArray(argv[2]).toInt();; ++seed) {
        HistoryRecord r = HistoryTestDb::MadeRecord(seed, shots);
        if (!store.Store(r)) {
            std::fprintf(stderr, "%s\n", qPrintable(store.ErrorString()));
            return 1;
        }
        std::printf("stored %d\n", seed);
        std::fflush(stdout);
    }
}
