// The "Matrix" page against the "Level Pre Mix" page in the same run: building each on its first
// selection in the module area and painting it (goal for the matrix: at most 2 times the
// pre-mix level page), and a full repaint of each.
#include "RatioReporter.h"

#include "editors/chain/ModuleWidget.h"
#include "model/DataModel.h"
#include "widgets/ControlPalette.h"
#include "widgets/Resources.h"

#include <QApplication>
#include <QFile>
#include <QPixmap>

#include <memory>

namespace {

QApplication &application()
{
    static int argc = 1;
    static char name[] = "bench_matrix_page";
    static char *argv[] = {name, nullptr};
    static QApplication *app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        auto *a = new QApplication(argc, argv);
        initApplicationResources();
        QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
        QFile sheet(QStringLiteral(":/qss/VexaTarnDark.qss"));
        sheet.open(QIODevice::ReadOnly);
        ControlPalette::setDark(true);
        a->setStyleSheet(QString::fromUtf8(sheet.readAll()));
        return a;
    }();
    return *app;
}

DataModel &model()
{
    static DataModel *m = [] {
        LinkEnvironment environment = LinkEnvironment::withClock(systemClock());
        environment.registryFile = QStringLiteral(":memory:");
        LinkSettings settings;
        settings.broadcastPort = 0;
        auto *dm = new DataModel(settings, std::move(environment));
        for (int ch = 0; ch < 17; ++ch)
            for (int out = 0; out < 16; ++out) {
                dm->input(ch).matrixRoute[size_t(out)] = (ch + out) % 3 == 0;
                dm->input(ch).matrixGain[size_t(out)] = qint8(-(ch + out) % 30);
            }
        return dm;
    }();
    return *m;
}

// A shown module area whose start page (In Setup) is already built, as after start-up.
std::unique_ptr<ModuleWidget> moduleArea()
{
    model().setCurrentModule(ModuleWidget::FeedbackPage);
    auto module = std::make_unique<ModuleWidget>(&model());
    module->resize(1000, 600);
    module->show();
    QApplication::processEvents();
    return module;
}

void buildAndPaint(benchmark::State &state, int page)
{
    application();
    for (auto _ : state) {
        state.PauseTiming();
        auto module = moduleArea();
        state.ResumeTiming();
        module->stackedButtonClicked(page);
        QPixmap picture = module->grab();
        benchmark::DoNotOptimize(picture);
        state.PauseTiming();
        module.reset();
        state.ResumeTiming();
    }
}

void repaint(benchmark::State &state, int page)
{
    application();
    auto module = moduleArea();
    module->stackedButtonClicked(page);
    module->grab();
    for (auto _ : state) {
        QPixmap picture = module->grab();
        benchmark::DoNotOptimize(picture);
    }
}

void BuildLevelPreMixPage(benchmark::State &state)
{
    buildAndPaint(state, ModuleWidget::LevelPreMixPage);
}

void BuildMatrixPage(benchmark::State &state)
{
    buildAndPaint(state, ModuleWidget::MatrixPage);
}

void RepaintLevelPreMixPage(benchmark::State &state)
{
    repaint(state, ModuleWidget::LevelPreMixPage);
}

void RepaintMatrixPage(benchmark::State &state)
{
    repaint(state, ModuleWidget::MatrixPage);
}

bool report(const RatioReporter &r)
{
    const double build = r.ns("BuildLevelPreMixPage");
    const double repaint = r.ns("RepaintLevelPreMixPage");
    if (build <= 0.0 || repaint <= 0.0)
        return false;
    bool met = RatioReporter::printRatio("Matrix page built and painted / Level Pre Mix page",
                                         r.ns("BuildMatrixPage") / build, "<= 2",
                                         r.ns("BuildMatrixPage") <= 2.0 * build);
    met &= RatioReporter::printRatio("Matrix page repaint / Level Pre Mix built and painted",
                                     r.ns("RepaintMatrixPage") / build, "<= 2",
                                     r.ns("RepaintMatrixPage") <= 2.0 * build);
    RatioReporter::printRatio("Matrix page repaint / Level Pre Mix repaint",
                              r.ns("RepaintMatrixPage") / repaint, "<= 2 (for information)",
                              r.ns("RepaintMatrixPage") <= 2.0 * repaint);
    return met;
}

} // namespace

BENCHMARK(BuildLevelPreMixPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BuildMatrixPage)->Unit(benchmark::kMillisecond);
BENCHMARK(RepaintLevelPreMixPage)->Unit(benchmark::kMillisecond);
BENCHMARK(RepaintMatrixPage)->Unit(benchmark::kMillisecond);

VEXATARN_BENCH_MAIN(report)
