#include "VeltaTest.h"

#include <QTextStream>

#include <string_view>

namespace {

struct Registered {
    QString name;
    VeltaTestFactory make;
};

// Filled by the static registrations before main runs, so it must exist before the first of them.
std::vector<Registered>& registry() {
    static std::vector<Registered> tests;
    return tests;
}

// "…/tests/editors/tst_recipewriter.cpp" → "tst_recipewriter", the name ctest runs it by.
QString testName(std::string_view sourceFile) {
    const std::size_t slash = sourceFile.find_last_of("/\\");
    if (slash != std::string_view::npos)
        sourceFile.remove_prefix(slash + 1);
    sourceFile = sourceFile.substr(0, sourceFile.find('.'));
    return QString::fromUtf8(sourceFile.data(), static_cast<qsizetype>(sourceFile.size()));
}

} // namespace

VeltaTestRegistration::VeltaTestRegistration(const char* sourceFile, VeltaTestFactory make) {
    registry().push_back({testName(sourceFile), make});
}

std::optional<VeltaTestRun> veltaChooseTest(int argc, char** argv) {
    const QString wanted = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    for (const Registered& test : registry()) {
        if (test.name != wanted)
            continue;
        VeltaTestRun run{test.name, test.make, argc - 1, {argv[0]}};
        run.argv.insert(run.argv.end(), argv + 2, argv + argc);
        run.argv.push_back(nullptr);
        return run;
    }
    QTextStream err(stderr);
    err << "usage: " << QString::fromLocal8Bit(argv[0]) << " TEST [QTest arguments]\ntests:\n";
    for (const Registered& test : registry())
        err << "  " << test.name << '\n';
    return std::nullopt;
}
