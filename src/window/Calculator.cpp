#include "window/Calculator.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace taru::ui {

QStringList CalculatorCandidates()
{
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
            QStringLiteral("mate-calc"), QStringLiteral("xcalc")};
}

QString StartCalculator()
{
#ifdef Q_OS_WIN
    const QString calc = QDir(qEnvironmentVariable("SystemRoot")).filePath(QStringLiteral("System32/calc.exe"));
    if (QProcess::startDetached(calc, {}))
        return calc;
    return QString();
#else
    for (const QString &name : CalculatorCandidates()) {
        const QString program = QStandardPaths::findExecutable(name);
        if (!program.isEmpty() && QProcess::startDetached(program, {}))
            return program;
    }
    return QString();
#endif
}

} // namespace taru::ui
