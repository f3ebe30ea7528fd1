#include <QApplication>
#include <QFontDatabase>
#include <benchmark/benchmark.h>

// The frame benchmarks paint into images: no screen is needed, and characters are drawn in the
// face the program ships, as at start.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QFontDatabase::addApplicationFont(WIGGLEPAD_ROUNDED_FONT_FILE);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
