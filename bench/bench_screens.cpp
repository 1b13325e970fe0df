// In-process timings of what a child waits for: opening a screen, showing it again, painting it,
// dropping a tile, a check, drawing a picture, and a tile's name reaching the voice's engine. Each is
// measured next to a bare window of the same size in the same run; the table at the end gives the ratios of
// the medians.
#include "app/eventloop.h"
#include "assets/clipart.h"
#include "bench/canvas.h"
#include "screens/screens.h"
#include "tests/support/input.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/textbox.h"
#include "ui/voice.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmapCache>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace {

using app::FormId;

Canvas& canvas()
{
    static Canvas canvas;
    return canvas;
}

// The bare window the paint benchmark keeps shown; it must go before the application does.
std::unique_ptr<QWidget> paintedBare;

std::string_view nameOf(FormId id)
{
    return screens::screen(id).name;
}

ui::Form& form(FormId id)
{
    return *app::forms().instance(id);
}

void settle(QWidget& window)
{
    if (window.isVisible() && !QTest::qWaitForWindowExposed(&window))
        qFatal("%s was not exposed", qPrintable(window.windowTitle()));
    QCoreApplication::processEvents();
}

void emptySlots()
{
    app::forms().reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QPixmapCache::clear();
}

QSize sizeOf(FormId id)
{
    app::forms().show(id);
    const QSize size = form(id).size();
    emptySlots();
    return size;
}

std::unique_ptr<QWidget> bareWindow(QSize size)
{
    auto bare = std::make_unique<QWidget>();
    bare->setWindowTitle(QStringLiteral("bare"));
    bare->setLayoutDirection(Qt::RightToLeft);
    bare->setFixedSize(size);
    return bare;
}

// Times opening a window up to its first paint; what prepares the next opening is not timed.
void measureShowing(benchmark::State& state, const std::function<void()>& prepare,
                    const std::function<QWidget&()>& open)
{
    for (auto _ : state) {
        state.PauseTiming();
        prepare();
        state.ResumeTiming();
        QWidget& window = open();
        canvas().paint(window);
        state.PauseTiming();
        settle(window);
        state.ResumeTiming();
    }
}

QWidget& showScreen(FormId id)
{
    app::forms().show(id);
    return form(id);
}

// Creation, Load and the first paint, with the slot empty and no picture cached.
void openScreen(benchmark::State& state, FormId id)
{
    measureShowing(state, emptySlots, [id]() -> QWidget& { return showScreen(id); });
    emptySlots();
}

void openBare(benchmark::State& state, QSize size)
{
    std::unique_ptr<QWidget> bare;
    measureShowing(
        state, [&] { bare.reset(); },
        [&]() -> QWidget& {
            bare = bareWindow(size);
            bare->show();
            return *bare;
        });
}

void showScreenAgain(benchmark::State& state, FormId id)
{
    settle(showScreen(id));
    measureShowing(
        state,
        [id] {
            app::forms().hide(id);
            QCoreApplication::processEvents();
        },
        [id]() -> QWidget& { return showScreen(id); });
    emptySlots();
}

void showBareAgain(benchmark::State& state, QSize size)
{
    auto bare = bareWindow(size);
    bare->show();
    settle(*bare);
    measureShowing(
        state,
        [&] {
            bare->hide();
            QCoreApplication::processEvents();
        },
        [&]() -> QWidget& {
            bare->show();
            return *bare;
        });
}

void paint(benchmark::State& state, const std::function<QWidget&()>& open)
{
    QWidget& window = open();
    settle(window);
    for (auto _ : state)
        canvas().paint(window);
    emptySlots();
}

template <class Control> Control& first(FormId id, const std::function<bool(const Control&)>& wanted)
{
    for (Control* control : form(id).findChildren<Control*>()) {
        if (!control->isHidden() && wanted(*control))
            return *control;
    }
    qFatal("no such control");
}

// Press, four moves and the release onto a drop box, as the tests drag.
void dropTile(benchmark::State& state, FormId id)
{
    app::forms().show(id);
    settle(form(id));
    auto& tile = first<ui::Label>(id, [](const ui::Label& label) { return label.isTile(); });
    auto& box = first<ui::TextBox>(id, [](const ui::TextBox& text) { return text.isDropBox(); });
    for (auto _ : state) {
        input::drag(tile, box);
        QCoreApplication::processEvents();
    }
    emptySlots();
}

void check(benchmark::State& state, FormId id, const QString& caption, const std::function<void()>& prepare)
{
    app::forms().show(id);
    settle(form(id));
    auto& button =
        first<QPushButton>(id, [&](const QPushButton& candidate) { return candidate.text() == caption; });
    for (auto _ : state) {
        state.PauseTiming();
        prepare();
        state.ResumeTiming();
        input::click(button);
        QCoreApplication::processEvents();
    }
    emptySlots();
}

// From the press on a tile to its name's hand-over to the engine, where the voice's listener stands
// in for the engine; the release is not timed.
void pressTileToSpeech(benchmark::State& state, FormId id)
{
    using Clock = std::chrono::steady_clock;
    app::forms().show(id);
    settle(form(id));
    auto& tile = first<ui::Label>(id, [](const ui::Label& label) { return label.isTile(); });
    QWidget& client = *form(id).client();
    const QPoint centre = tile.mapTo(&client, tile.rect().center());
    std::optional<Clock::time_point> handedOver;
    ui::voice().listen([&](const ui::Speech&) { handedOver = Clock::now(); });
    for (auto _ : state) {
        handedOver.reset();
        const Clock::time_point pressed = Clock::now();
        QTest::mousePress(&client, Qt::LeftButton, {}, centre);
        if (!handedOver) {
            state.SkipWithError("the tile said nothing");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(*handedOver - pressed).count());
        QTest::mouseRelease(&client, Qt::LeftButton, {}, centre);
        QCoreApplication::processEvents();
    }
    ui::voice().listen({});
    emptySlots();
}

void renderEveryPicture(benchmark::State& state, bool cached)
{
    for (const ui::Picture* picture : clipart::everyPicture)
        ui::render(*picture, {96, 96}, 1.0);
    for (auto _ : state) {
        if (!cached) {
            state.PauseTiming();
            QPixmapCache::clear();
            state.ResumeTiming();
        }
        for (const ui::Picture* picture : clipart::everyPicture)
            benchmark::DoNotOptimize(ui::render(*picture, {96, 96}, 1.0));
    }
    state.counters["pictures"] = double(clipart::everyPicture.size());
}

template <class... Arguments>
benchmark::internal::Benchmark* add(const std::string& name, Arguments&&... arguments)
{
    return benchmark::RegisterBenchmark(name.c_str(), std::forward<Arguments>(arguments)...)
        ->Unit(benchmark::kMicrosecond);
}

void registerScreen(const screens::Screen& screen)
{
    const std::string name(screen.name);
    const FormId id = screen.id;
    const QSize size = sizeOf(id);
    add(("open/" + name), openScreen, id);
    add(("open/" + name + "/bare"), openBare, size);
    add(("show again/" + name), showScreenAgain, id);
    add(("show again/" + name + "/bare"), showBareAgain, size);
    add(("paint/" + name), paint, [id]() -> QWidget& { return showScreen(id); });
    add(("paint/" + name + "/bare"), paint, [size]() -> QWidget& {
        paintedBare = bareWindow(size);
        paintedBare->show();
        return *paintedBare;
    });
}

void registerAll()
{
    for (const screens::Screen& screen : screens::table())
        registerScreen(screen);
    for (FormId id : {FormId::Form1, FormId::Form2, FormId::Form3})
        add("drop/" + std::string(nameOf(id)), dropTile, id);
    add("check/Form1 add", check, FormId::Form1, QStringLiteral(" ( + )   اجمع"), [] {
        for (ui::TextBox* box : form(FormId::Form1).findChildren<ui::TextBox*>())
            box->setText(box->isDropBox() ? QStringLiteral("7") : QString());
    });
    // The word screens check whatever their boxes hold.
    add("check/Form2 word", check, FormId::Form2, QStringLiteral("الكلمة هي"), [] {});
    add("check/Form3 word", check, FormId::Form3, QStringLiteral("الكلمة هي"), [] {});
    for (FormId id : {FormId::Form1, FormId::Form2, FormId::Form3})
        add("tile press to speech/" + std::string(nameOf(id)), pressTileToSpeech, id)->UseManualTime();
    add("picture/every one, first drawing", renderEveryPicture, false);
    add("picture/every one, cached", renderEveryPicture, true);
}

// Prints the runs as usual and keeps each one's median, for the ratios against the bare window.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter()
        : ConsoleReporter(OO_Tabular)
    {
    }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median")
                continue;
            medians_[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n%-24s %12s %12s %8s\n", "median, microseconds", "screen", "bare", "ratio");
        for (const auto& [name, time] : medians_) {
            const auto bare = medians_.find(name + "/bare");
            if (bare != medians_.end())
                std::printf("%-24s %12.1f %12.1f %8.2f\n", name.c_str(), time, bare->second,
                            time / bare->second);
        }
    }

private:
    std::map<std::string, double> medians_;
};

} // namespace

int main(int argc, char* argv[])
{
    app::useQtEventLoop(); // as the program does
    QApplication application(argc, argv);
    program::quietPlatformNoise();
    screens::registerAll(app::forms());
    canvas(); // made before anything is timed
    benchmark::Initialize(&argc, argv);
    registerAll();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    paintedBare.reset();
    app::forms().reset();
    return 0;
}
