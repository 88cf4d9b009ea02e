// The desktop program asked by the system to end (SIGTERM, SIGINT, SIGHUP) runs its close
// steps: the presence files go, the player is written back, the message socket stops,
// and the process ends normally.
#include "handover/presence_files.h"
#include "platform/message_socket.h"
#include "platform/workspace.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

class ProgramTerminationTest : public QObject {
    Q_OBJECT

private slots:
    void signalsRunTheCloseSteps_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }

    void signalsRunTheCloseSteps() {
        QFETCH(int, signal);
        QTemporaryDir directory;
        const std::filesystem::path root = directory.path().toStdString();
        // The settings store holds more than the player: the close steps rewrite only the player.
        std::ofstream(root / "config.kvs", std::ios::binary) << "FORNAVN=Kari\r\nETTERNAVN=Nordmann\r\n";

        QProcess program;
        program.setWorkingDirectory(directory.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ANDELSTIPP_PROGRAM), {});
        QVERIFY(program.waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(root / "wtpulje1.tmp"), 20000);
        const auto handle = andel::readHandleFile(andel::Workspace(root));
        QVERIFY(handle);
        const std::filesystem::path socket = andel::messageSocketPath(*handle);

        ::kill(static_cast<pid_t>(program.processId()), signal);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(!std::filesystem::exists(root / "Apulje1.tmp"));
        QVERIFY(!std::filesystem::exists(root / "wtpulje1.tmp"));
        QVERIFY(!std::filesystem::exists(socket));
        std::ifstream in(root / "config.kvs", std::ios::binary);
        std::stringstream settings;
        settings << in.rdbuf();
        QVERIFY2(settings.str().find("TIPPERNUMMER=") != std::string::npos, settings.str().c_str());
        QVERIFY(settings.str().find("FORNAVN=Kari") != std::string::npos);
    }

    // A second start in the same working directory ends at once and leaves the first copy
    // running with its presence files; only the first copy's close removes them.
    void aSecondStartLeavesTheFirstCopyAlone() {
        QTemporaryDir directory;
        const std::filesystem::path root = directory.path().toStdString();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess first, second;
        for (QProcess* program : {&first, &second}) {
            program->setWorkingDirectory(directory.path());
            program->setProcessEnvironment(environment);
        }
        first.start(QStringLiteral(ANDELSTIPP_PROGRAM), {});
        QVERIFY(first.waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(root / "wtpulje1.tmp"), 20000);
        const auto handle = andel::readHandleFile(andel::Workspace(root));
        QVERIFY(handle);

        second.start(QStringLiteral(ANDELSTIPP_PROGRAM), {});
        QVERIFY(second.waitForStarted(5000));
        QVERIFY(second.waitForFinished(15000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        QCOMPARE(andel::readHandleFile(andel::Workspace(root)), handle);
        QVERIFY(std::filesystem::exists(root / "wtpulje1.tmp"));

        ::kill(static_cast<pid_t>(first.processId()), SIGTERM);
        QVERIFY(first.waitForFinished(10000));
        QVERIFY(!std::filesystem::exists(root / "Apulje1.tmp"));
    }
};

QTEST_MAIN(ProgramTerminationTest)
#include "program_termination_test.moc"
