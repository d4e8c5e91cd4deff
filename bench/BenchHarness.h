#pragma once

#include <QString>
#include <QTextStream>

#include <functional>

// Runs a piece of work repeatedly for a while and reports the median time of one run.
class BenchHarness {
public:
    struct Result {
        QString name;
        double medianMs = 0;
        double minMs = 0;
        int runs = 0;
    };
    static Result run(const QString& name, const std::function<void()>& work, double seconds = 1.0);
    static void print(QTextStream& out, const Result& r, double targetMs = 0);
};
