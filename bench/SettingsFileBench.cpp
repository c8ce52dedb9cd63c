// The start-up read of the settings file: the worst files under the size
// bound against an empty one, in time and in the memory the read takes at
// its peak beyond what it keeps. Then the whole window built over each of
// them, as the game starts.
#include "RegularFile.h"
#include "Settings.h"
#include "Unit1.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>
#include <string>

namespace {

std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

void count(void* block)
{
    const std::size_t now = liveBytes += malloc_usable_size(block);
    std::size_t peak = peakBytes;
    while (now > peak && !peakBytes.compare_exchange_weak(peak, now)) {
    }
}

} // namespace

void* operator new(std::size_t size)
{
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr)
        throw std::bad_alloc();
    count(block);
    return block;
}

void operator delete(void* block) noexcept
{
    if (block != nullptr)
        liveBytes -= malloc_usable_size(block);
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    operator delete(block);
}

namespace quorvel::persist {
namespace {

constexpr std::size_t Bound = MaxFileBytes;

std::string emptyFile()
{
    return {};
}

// One letter and as many combining accents as a name is read, for the ten
// lines and the player's name.
std::string combiningAccents()
{
    std::string accents;
    for (int i = 0; i < 2046; ++i)
        accents += "\xCC\x81";
    std::string file;
    for (int k = 1; k <= 10; ++k)
        file += "[Scoreline" + std::to_string(k) + "]\nName=a" + accents + "\nLevel=7\nScore=5\n";
    return file + "[Settings]\nName=a" + accents + "\n";
}

std::string carriageReturns()
{
    return std::string(Bound, '\r');
}

// As many lines as fit, each a section header the reader must look at.
std::string emptySections()
{
    std::string file;
    while (file.size() + 3 <= Bound)
        file += "[]\r";
    return file;
}

// As many keys as fit, all in the section every line is looked for in.
std::string keysOfOneSection()
{
    std::string file = "[Scoreline10]\r";
    while (file.size() + 6 <= Bound)
        file += "Nam=\r";
    return file;
}

// A key read at start-up whose value is one long run of characters in the
// old single-byte code page, each growing to two bytes when decoded.
std::string longSingleByteName()
{
    const std::string start = "[Settings]\nName=";
    return start + std::string(Bound - start.size(), '\xE9');
}

// Makes `make`'s file the settings file of a configuration folder of its own.
bool putSettingsFile(const QTemporaryDir& home, std::string (*make)())
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    QFile file(home.path() + "/quorvel/vemlo.ini");
    const std::string bytes = make();
    return QDir().mkpath(home.path() + "/quorvel") && file.open(QIODevice::WriteOnly) &&
           file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) && file.flush();
}

void readStartUp(benchmark::State& state, std::string (*make)())
{
    QTemporaryDir home;
    if (!putSettingsFile(home, make)) {
        state.SkipWithError("cannot write the file");
        return;
    }
    std::size_t extra = 0;
    for (auto _ : state) {
        const std::size_t before = liveBytes;
        peakBytes = before;
        StartupSettings settings = readStartup();
        benchmark::DoNotOptimize(settings);
        extra = std::max(extra, peakBytes - before);
    }
    state.counters["peak_KiB"] = double(extra) / 1024;
}

// A file at the bound leaves no room for the options the start-up writes
// back, so the game says it cannot write; the box closes as soon as it shows.
class BoxCloser final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* box = qobject_cast<QMessageBox*>(watched))
                QMetaObject::invokeMethod(box, &QDialog::reject, Qt::QueuedConnection);
        return false;
    }
};

// The window built and dropped again, as the game starts over the file, on
// the offscreen platform. The toolkit's own memory mostly bypasses the count
// above, so memory is the process's peak resident size: run each case alone
// (--benchmark_filter=startWindow/empty$ and so on) to compare them.
void startWindow(benchmark::State& state, std::string (*make)())
{
    QTemporaryDir home;
    if (!putSettingsFile(home, make)) {
        state.SkipWithError("cannot write the file");
        return;
    }
    BoxCloser closer;
    qApp->installEventFilter(&closer);
    // The first start writes back the options it applied; later ones find
    // them saved.
    ui::TForm1{};
    for (auto _ : state) {
        ui::TForm1 form;
        benchmark::DoNotOptimize(form);
    }
    qApp->removeEventFilter(&closer);
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) == 0)
        state.counters["peak_rss_KiB"] = double(usage.ru_maxrss);
}

BENCHMARK_CAPTURE(readStartUp, empty, emptyFile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(readStartUp, combining_accents, combiningAccents)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(readStartUp, carriage_returns, carriageReturns)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(readStartUp, empty_sections, emptySections)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(readStartUp, keys_of_one_section, keysOfOneSection)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(readStartUp, long_single_byte_name, longSingleByteName)->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(startWindow, empty, emptyFile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startWindow, combining_accents, combiningAccents)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startWindow, carriage_returns, carriageReturns)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startWindow, empty_sections, emptySections)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startWindow, keys_of_one_section, keysOfOneSection)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startWindow, long_single_byte_name, longSingleByteName)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quorvel::persist

// The window needs an application; with no display it is drawn offscreen.
int main(int argc, char* argv[])
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
