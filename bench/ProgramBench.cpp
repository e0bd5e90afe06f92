// Median times of the whole program's slow spots, measured as a user meets them:
//   process start to the launcher shown, opening and closing each design window,
//   filling the runs table with 98 calculated runs, loading and saving 1000 runs.
// Engines and settings files are taken from the benchmark's own folder, whatever the
// working folder, as the program takes them from its own:
//   build/bin/irrika_program_bench
#include "EngineLibraries.h"
#include "ExecutableFolder.h"
#include "FixedStringGrid.h"
#include "RecordingDialogs.h"
#include "RecordingErrorDisplay.h"
#include "uIrrigationDataSet.h"
#include "uIrrigationManager.h"
#include "uIrrika.h"
#include "uPondixMainForm.h"
#include "uRilloxMainForm.h"
#include "uStrivaMainForm.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point from) { return std::chrono::duration<double, std::milli>(Clock::now() - from).count(); }

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs step repeats times (after one unmeasured warm-up when warmUp) and gives the median.
double MedianOf(int repeats, const std::function<double()> &step, bool warmUp = true)
{
    if (warmUp)
        step();
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i)
        times.push_back(step());
    return Median(times);
}

void Report(const char *what, double milliseconds, double target)
{
    std::printf("%-44s %9.2f ms   (target %6.0f ms) %s\n", what, milliseconds, target,
                milliseconds <= target ? "" : "MISSED");
}

// The child's part of the launcher figure: a process that starts the program's way and
// says when its launcher is on the screen.
int ShowLauncherOnce(int argc, char **argv)
{
    QApplication app(argc, argv);
    app.setApplicationName("Irrika");
    RecordingDialogs dialogs;  // a missing file must not stop the figure with a modal box
    std::string failure;
    if (!LoadEngineLibraries(ExecutableFolder(), failure)) {
        std::fprintf(stderr, "%s\n", failure.c_str());
        return 1;
    }
    TfrmIrrika launcher;
    launcher.show();
    QCoreApplication::processEvents();
    std::printf("shown\n");
    std::fflush(stdout);
    std::_Exit(0);
}

double LauncherStart(const QString &self)
{
    QProcess child;
    child.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    const Clock::time_point start = Clock::now();
    child.start(self, {"--launcher"});
    while (child.waitForReadyRead(10000)) {
        if (child.readAll().contains("shown"))
            break;
    }
    const double elapsed = Milliseconds(start);
    child.waitForFinished(10000);
    return elapsed;
}

std::unique_ptr<TfrmDesignWindow> NewWindow(TIrrigationModule module)
{
    SetCurrentModule(module);
    if (module == imBasin)
        return std::make_unique<TfrmPondix>();
    if (module == imBorder)
        return std::make_unique<TfrmStriva>();
    return std::make_unique<TfrmRillox>();
}

double OpenAndClose(TIrrigationModule module)
{
    const Clock::time_point start = Clock::now();
    auto window = NewWindow(module);
    window->show();
    QCoreApplication::processEvents();
    window->close();
    window.reset();
    return Milliseconds(start);
}

// A binding whose data set holds count runs of the module's first mode, each calculated.
std::unique_ptr<TIrrigationFormatter> BindingWithRuns(TIrrigationModule module, int count, bool calculate)
{
    SetCurrentModule(module);
    TIrrigationManager manager;
    std::unique_ptr<TIrrigationFormatter> binding = manager.CreateFormatter(module);
    TIrrigationDataSet *set = binding->GetDataSet();
    for (int i = 1; i <= count; ++i) {
        set->SetCurrentRun(set->NewRun());
        TIrrigationRun *run = set->GetRunByNumber(i);
        run->SetMode(cmMinimumDepth);
        if (calculate) {
            binding->Calculate(i);
            run->SetCalculated(true);
        }
        run->SetSaved(true);
    }
    return binding;
}

}  // namespace

int main(int argc, char **argv)
{
    // The figures are the output; the platform's chatter is not.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    if (argc > 1 && std::string(argv[1]) == "--launcher")
        return ShowLauncherOnce(argc, argv);

    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    RecordingDialogs dialogs;
    RecordingErrorDisplay errors;
    std::string failure;
    if (!LoadEngineLibraries(ExecutableFolder(), failure)) {
        std::fprintf(stderr, "%s\n", failure.c_str());
        return 1;
    }

    const QString self = QCoreApplication::applicationFilePath();
    Report("process start to launcher shown", MedianOf(9, [&] { return LauncherStart(self); }), 500);

    const char *names[] = {"open and close the basin window", "open and close the border window",
                           "open and close the furrow window"};
    for (TIrrigationModule module : {imBasin, imBorder, imFurrow})
        Report(names[module], MedianOf(15, [module] { return OpenAndClose(module); }), 100);

    {
        std::unique_ptr<TIrrigationFormatter> binding = BindingWithRuns(imBorder, 98, true);
        TFixedStringGrid grid;
        binding->FRunGrid = &grid;
        Report("fill the runs table with 98 calculated runs", MedianOf(15, [&] {
                   const Clock::time_point start = Clock::now();
                   binding->FillRunTable();
                   return Milliseconds(start);
               }),
               100);
    }

    QTemporaryDir folder;
    const std::string file = folder.filePath("thousand.pdx").toStdString();
    std::unique_ptr<TIrrigationFormatter> writer = BindingWithRuns(imBasin, 1000, false);
    writer->GetDataSet()->SetFileName(file);
    Report("save a run file of 1000 runs", MedianOf(7, [&] {
               const Clock::time_point start = Clock::now();
               if (!writer->SaveRuns())
                   std::fprintf(stderr, "saving failed\n");
               return Milliseconds(start);
           }),
           500);
    Report("load a run file of 1000 runs", MedianOf(7, [&] {
               SetCurrentModule(imBasin);
               TIrrigationManager manager;
               std::unique_ptr<TIrrigationFormatter> reader = manager.CreateFormatter(imBasin);
               reader->GetDataSet()->SetFileName(file);
               const Clock::time_point start = Clock::now();
               if (!reader->LoadRuns() || reader->GetDataSet()->GetRunCount() != 1000)
                   std::fprintf(stderr, "loading failed\n");
               return Milliseconds(start);
           }),
           500);
    return 0;
}
