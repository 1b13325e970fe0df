#include "tests/support/input.h"

#include "ui/form.h"
#include "ui/label.h"
#include "ui/textbox.h"
#include "ui/voice.h"

#include <QFile>
#include <QLocalServer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <sys/prctl.h>
#include <unistd.h>

using app::FormId;

namespace {

ui::Label& tile(FormId id, const QString& caption)
{
    app::forms().show(id);
    return program::tile(*app::forms().instance(id), caption);
}

// What standard error receives from the making of one of these until it is restored.
class StandardError {
public:
    StandardError()
    {
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        file_.open();
        dup2(file_.handle(), STDERR_FILENO);
    }
    ~StandardError() { restore(); }

    // What arrived so far.
    QStringList lines() const
    {
        std::fflush(stderr);
        QFile read(file_.fileName());
        read.open(QIODevice::ReadOnly);
        return QString::fromUtf8(read.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

    void restore()
    {
        if (saved_ < 0)
            return;
        std::fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        close(std::exchange(saved_, -1));
    }

private:
    QTemporaryFile file_;
    int saved_ = -1;
};

} // namespace

// The real engine and a real speech service, started here on a socket of its own, with espeak-ng
// playing into ALSA's null device so that no sound card is needed (tests/speechd). At log level 5
// the service writes every text it is given.
class SpeechServiceTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        socket = dir.filePath("socket");
        startService(SPEECHD_CONFIG);
        program::start();
    }

    void cleanup()
    {
        ui::voice().stopEngine();
        program::stop();
        stopService();
    }

    void theServiceHearsWhatIsSaid()
    {
        ui::voice().startEngine();
        input::click(tile(FormId::Form1, "7"));
        QTRY_VERIFY_WITH_TIMEOUT(arrived().contains("سَبْعَةٌ"), 60000);
        input::click(tile(FormId::Form3, "A"));
        QTRY_VERIFY_WITH_TIMEOUT(arrived().contains("A"), 20000);
        // A new utterance stops the one before it: the service is told to stop between them.
        input::click(tile(FormId::Form1, "8"));
        input::click(tile(FormId::Form1, "9"));
        QTRY_VERIFY_WITH_TIMEOUT(arrived().contains("تِسْعَةٌ"), 20000);
        const QString log = this->log();
        const qsizetype eight = log.indexOf("|ثَمَانِيَةٌ|");
        QVERIFY(eight < 0 || log.indexOf("CANCEL", eight) < log.indexOf("|تِسْعَةٌ|"));
        // Each in a voice of its language.
        QVERIFY(languageBefore("|سَبْعَةٌ|").startsWith("ar"));
        QVERIFY(languageBefore("|A|").startsWith("en"));
    }

    // Without a service the program works as before, silently, with one line on standard error.
    void withoutAServiceTheProgramIsSilent()
    {
        qputenv("SPEECHD_ADDRESS", "unix_socket:" + dir.filePath("nothing here").toUtf8());
        StandardError error;
        ui::voice().startEngine();
        ui::Label& seven = tile(FormId::Form1, "7");
        ui::Form& calculator = *app::forms().instance(FormId::Form1);
        // Text1, the first operand box.
        ui::TextBox& box = *ui::TextBox::of(calculator.client()->childAt(ui::pixels(300), ui::pixels(1140)));
        input::drag(seven, box);
        QCOMPARE(box.text(), QString("7"));
        // The engine's thread finds no service in its own time.
        QTRY_VERIFY_WITH_TIMEOUT(!error.lines().isEmpty(), 60000);
        ui::voice().stopEngine();
        error.restore();
        const QStringList lines = error.lines();
        QCOMPARE(lines.filter("marzun:").size(), 1);
        QVERIFY2(lines.size() == 1, qPrintable(lines.join('\n')));
    }

    // Without an Arabic voice, Arabic goes unsaid with one line on standard error, and English is
    // still said.
    void withoutAnArabicVoiceOnlyEnglishIsSaid()
    {
        stopService();
        startService(SPEECHD_ENGLISH_CONFIG);
        StandardError error;
        ui::voice().startEngine();
        input::click(tile(FormId::Form1, "7"));
        QTRY_VERIFY_WITH_TIMEOUT(!error.lines().isEmpty(), 60000);
        input::click(tile(FormId::Form3, "A"));
        QTRY_VERIFY_WITH_TIMEOUT(arrived().contains("A"), 20000);
        ui::voice().stopEngine();
        error.restore();
        QCOMPARE(error.lines(), QStringList{"marzun: no Arabic voice: its texts are not spoken"});
        QCOMPARE(arrived(), QStringList{"A"});
    }

    // A service that takes the engine's call and never answers holds the engine's thread for good:
    // the program still ends when it is ended, at once, with its status and without a crash.
    void aServiceThatNeverAnswersDoesNotHoldUpTheEnd()
    {
        QLocalServer silent;
        QVERIFY(silent.listen(dir.filePath("silent")));
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("SPEECHD_ADDRESS", "unix_socket:" + silent.fullServerName());
        program.setProcessEnvironment(environment);
        program.start(PROGRAM_END);
        QVERIFY(program.waitForStarted());
        // From here on the engine's thread waits for the service's first answer.
        QVERIFY(silent.waitForNewConnection(60000));
        program.closeWriteChannel();
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }

private:
    void startService(const char* config)
    {
        QFile::remove(socket);
        QFile::remove(dir.filePath("speech-dispatcher.log"));
        // A pid file of its own, or a service already running for the user stops this one, and
        // the service ends with the test, however the test ends.
        service.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        // The service stops when it cannot set its locale, and the test's may not be installed.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LC_ALL", "C.UTF-8");
        service.setProcessEnvironment(environment);
        service.start("speech-dispatcher", {"-s", "-t", "0", "-l", "5", "-L", dir.path(), "-S", socket, "-C",
                                            config, "-P", dir.filePath("pid")});
        QVERIFY(service.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket), 20000);
        // Where the program's engine finds the service.
        qputenv("SPEECHD_ADDRESS", "unix_socket:" + socket.toUtf8());
    }

    void stopService()
    {
        service.terminate();
        service.waitForFinished();
    }

    QString log() const
    {
        QFile file(dir.filePath("speech-dispatcher.log"));
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    }

    // The language the service was last asked for before it was given the text.
    QString languageBefore(const QString& text) const
    {
        const QString log = this->log();
        const QString command = "SET SELF LANGUAGE ";
        const qsizetype at = log.lastIndexOf(command, log.indexOf(text));
        return at < 0 ? QString() : log.mid(at + command.size(), 2);
    }

    // The texts the service was given, in order.
    QStringList arrived() const
    {
        QStringList texts;
        const QRegularExpression queued("Queueing message \\|(.*?)\\|",
                                        QRegularExpression::DotMatchesEverythingOption);
        for (auto match = queued.globalMatch(log()); match.hasNext();)
            texts.append(match.next().captured(1));
        return texts;
    }

    QTemporaryDir dir;
    QString socket;
    QProcess service;
};

QTEST_MAIN(SpeechServiceTest)
#include "tst_speech_service.moc"
