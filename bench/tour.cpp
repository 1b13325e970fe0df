// Starts as the program starts and reports what the start has paid for, then opens every screen
// and shows every picture and reports the peak resident memory after all of it.
// With --first FormN it times instead the first opening of that one screen in a fresh program,
// next to a bare window of the same size.
#include "app/eventloop.h"
#include "assets/clipart.h"
#include "bench/canvas.h"
#include "bench/proc.h"
#include "screens/screens.h"
#include "ui/form.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace {

// As the program starts: the calculator shown, what is drawn ahead drawn, and the program left to
// settle for the half second that the start-up benchmark gives it too. A child's first click comes
// later than that.
void startAsTheProgram()
{
    QApplication::setApplicationName(QStringLiteral("marzun"));
    screens::registerAll(app::forms());
    app::forms().show(app::FormId::Form1);
    QTimer::singleShot(0, [] { QApplication::setWindowIcon(ui::toIcon(clipart::writingInNotebook)); });
    QTest::qWait(500);
}

void waitUntilShown(QWidget& window)
{
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("%s was not exposed", qPrintable(window.windowTitle()));
    QCoreApplication::processEvents();
}

double millisecondsToOpen(app::FormId id, Canvas& canvas)
{
    QElapsedTimer timer;
    timer.start();
    app::forms().show(id);
    canvas.paint(*app::forms().instance(id));
    return timer.nsecsElapsed() / 1e6;
}

double millisecondsToOpenBare(QSize size, Canvas& canvas)
{
    QElapsedTimer timer;
    timer.start();
    QWidget bare;
    bare.setWindowTitle(QStringLiteral("bare"));
    bare.setLayoutDirection(Qt::RightToLeft);
    bare.setFixedSize(size);
    bare.show();
    canvas.paint(bare);
    const double elapsed = timer.nsecsElapsed() / 1e6;
    waitUntilShown(bare);
    return elapsed;
}

void report(const char* moment)
{
    std::printf("%s: peak resident %.1f MiB; fonts mapped:", moment,
                proc::peakResidentKiB(getpid()) / 1024.0);
    for (const std::string& font : proc::mappedFonts(getpid()))
        std::printf(" %s", font.c_str());
    std::printf("\n");
}

void reportStart()
{
    std::printf("at start: screens created:");
    for (const screens::Screen& screen : screens::table()) {
        if (app::forms().instance(screen.id))
            std::printf(" %s", screen.name.data());
    }
    std::printf("; top-level widgets: %lld\n",
                static_cast<long long>(QApplication::topLevelWidgets().size()));
    report("at start");
}

int tour()
{
    startAsTheProgram();
    reportStart();
    // As a child goes from screen to screen: the next one shown, then the last one hidden.
    app::FormId last = app::FormId::Form1;
    for (const screens::Screen& screen : screens::table()) {
        app::forms().show(screen.id);
        if (screen.id != last)
            app::forms().hide(last);
        waitUntilShown(*app::forms().instance(screen.id));
        last = screen.id;
        std::printf("  after %s: peak resident %.1f MiB\n", screen.name.data(),
                    proc::peakResidentKiB(getpid()) / 1024.0);
    }
    // The pictures a game shows one after the other, at the size of a picture on its screen.
    for (const ui::Picture* picture : clipart::everyPicture)
        ui::render(*picture, {96, 96}, 1.0);
    report("after every screen and picture");
    app::forms().reset();
    return 0;
}

int firstOpening(std::string_view name)
{
    const auto screen = std::ranges::find(screens::table(), name, &screens::Screen::name);
    if (screen == screens::table().end())
        return 2;
    startAsTheProgram();
    if (screen->id == app::FormId::Form1)
        app::forms().reset(); // its first opening is measured again, after the start
    if (screen->id != app::FormId::Form1 && screen->id != app::FormId::Form4) {
        // Every other screen is reached from the main menu, as a child reaches it.
        app::forms().show(app::FormId::Form4);
        app::forms().hide(app::FormId::Form1);
        QTest::qWait(500);
    }
    Canvas canvas;
    const double opening = millisecondsToOpen(screen->id, canvas);
    ui::Form& form = *app::forms().instance(screen->id);
    waitUntilShown(form);
    const double bare = millisecondsToOpenBare(form.size(), canvas);
    std::printf("%s %.3f %.3f\n", screen->name.data(), opening, bare);
    app::forms().reset();
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    app::useQtEventLoop(); // as the program does
    QApplication application(argc, argv);
    if (argc == 3 && std::string_view(argv[1]) == "--first")
        return firstOpening(argv[2]);
    return tour();
}
