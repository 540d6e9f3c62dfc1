// The kill test's writer: adds entries to the log of the night of 25 December 2026 in the folder
// given, one by one through ObservingLogStore, and prints the number of each once it is stored.

#include "observinglogstore.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    planner::ObservingLogStore store(QString::fromLocal8Bit(argv[1]));
    store.open(QDate(2026, 12, 25));
    for (int i = 0;; ++i) {
        timing::LogEntry entry;
        entry.jdUtc = 2461400.3 + i * 1e-5;
        entry.magnitude = 2.9;
        entry.estimate = "2.9";
        entry.note = std::to_string(i);
        QString reason;
        if (!store.add(entry, &reason)) {
            std::fprintf(stderr, "%s\n", qPrintable(reason));
            return 1;
        }
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
}
