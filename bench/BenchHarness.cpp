#include "BenchHarness.h"

#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <vector>

BenchHarness::Result BenchHarness::run(const QString& name, const std::function<void()>& work,
                                       double seconds) {
    work(); // warm caches once
    std::vector<double> times;
    QElapsedTimer total;
    total.start();
    while (total.nsecsElapsed() < qint64(seconds * 1e9) || times.size() < 5) {
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return {name, times[times.size() / 2], times.front(), int(times.size())};
}

void BenchHarness::print(QTextStream& out, const Result& r, double targetMs) {
    out << r.name.leftJustified(52) << QString::number(r.medianMs, 'f', 3).rightJustified(10) << " ms  (min "
        << QString::number(r.minMs, 'f', 3) << ", " << r.runs << " Läufe)";
    if (targetMs > 0)
        out << (r.medianMs <= targetMs ? "  Ziel " : "  ZIEL VERFEHLT ") << targetMs << " ms";
    out << '\n';
}
