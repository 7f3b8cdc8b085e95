#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Runs one of the project's programs and collects what it printed.
struct ProcessResult {
    int exitCode = -1;
    bool crashed = false;
    QString out;
    QString err;
};

inline ProcessResult runProgram(const QString& program, const QStringList& arguments, int timeoutMs = 60000,
                                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ProcessResult result;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        result.crashed = true;
    }
    result.crashed = result.crashed || process.exitStatus() == QProcess::CrashExit;
    result.exitCode = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}
