#pragma once

#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

// The real sketra program, run as a shell runs it, without a display.
struct SketraRun
{
    int status = -1;
    QString out, err;
};

inline void startSketra(QProcess &process, const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(display));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(SKETRA_EXECUTABLE), arguments);
}

inline SketraRun finishSketra(QProcess &process, int timeoutMs = 120000)
{
    EXPECT_TRUE(process.waitForFinished(timeoutMs));
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

inline SketraRun runSketra(const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    startSketra(process, arguments);
    process.write(input);
    process.closeWriteChannel();
    return finishSketra(process);
}
