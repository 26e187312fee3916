#include "programend.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

// A report opens with an "ERROR: <name>Sanitizer" line, or for undefined
// behaviour with a "<file>:<line>:<column>: runtime error:" line, and ends
// with its "SUMMARY:" line.
QString sanitizerReport(const QByteArray &errorOutput)
{
    static const QRegularExpression opening(QStringLiteral("^.*(ERROR: \\w+Sanitizer|: runtime error: )"),
                                            QRegularExpression::MultilineOption);
    const QString text = QString::fromLocal8Bit(errorOutput);
    const QRegularExpressionMatch found = opening.match(text);
    if (!found.hasMatch())
        return {};
    const int summary = text.indexOf(QLatin1String("SUMMARY: "), found.capturedStart());
    const int end = summary < 0 ? -1 : text.indexOf(QLatin1Char('\n'), summary);
    return text.mid(found.capturedStart(), end < 0 ? -1 : end - found.capturedStart()).left(6000);
}

} // namespace

bool endedCleanly(const QProcess &program, const QByteArray &errorOutput, int exitCode)
{
    QStringList faults;
    if (program.state() != QProcess::NotRunning)
        faults << QStringLiteral("is still running");
    else if (program.exitStatus() == QProcess::CrashExit)
        faults << QStringLiteral("crashed");
    else if (program.exitCode() != exitCode)
        faults << QStringLiteral("ended with exit code %1").arg(program.exitCode());
    const QString report = sanitizerReport(errorOutput);
    if (!report.isEmpty())
        faults << QStringLiteral("reported:\n") + report;
    if (faults.isEmpty())
        return true;
    const QString name = QFileInfo(program.program()).fileName();
    QTest::qFail(qPrintable(name + QLatin1Char(' ') + faults.join(QStringLiteral(" and "))), __FILE__, __LINE__);
    return false;
}
