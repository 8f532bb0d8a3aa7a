#include "data/GameFile.h"

#include "base/Errors.h"
#include "base/TextFile.h"
#include "base/CommaText.h"

#include <QStringList>

namespace taru {

namespace {

const QString kDrawsKey = QStringLiteral("DKL=");
const QString kMultipliersKey = QStringLiteral("POLSTHS=");

// The text after the first "=" (the whole line when there is none).
QString valueOf(const QString &line)
{
    return line.mid(line.indexOf(QLatin1Char('=')) + 1);
}

QString lineAt(const QStringList &lines, int index)
{
    return index < lines.size() ? lines.at(index) : QString();
}

} // namespace

QByteArray GameFileBytes(const BoardMarks &board, const MultiplierBoxes &multiplierBoxes, const DrawBoxes &drawBoxes)
{
    QString draws;
    if (const auto box = MarkedDrawBox(drawBoxes))
        draws = QString::number(kDrawValues[box->column][box->row]);

    QStringList positions;
    for (int i = 0; i < kMultiplierBoxCount; ++i) {
        if (multiplierBoxes[i])
            positions << QString::number(i);
    }

    QStringList numbers;
    for (int i = 0; i < kNumbers; ++i) {
        if (board[i])
            numbers << QString::number(i + 1);
    }

    const QString crlf = QStringLiteral("\r\n");
    return textfile::encode(kDrawsKey + draws + crlf + kMultipliersKey + positions.join(QLatin1Char(',')) + crlf +
                            numbers.join(QLatin1Char(',')) + crlf);
}

void WriteGameFile(const QString &path, const BoardMarks &board, const MultiplierBoxes &multiplierBoxes,
                   const DrawBoxes &drawBoxes)
{
    textfile::writeBytes(path, GameFileBytes(board, multiplierBoxes, drawBoxes));
}

int ReadGameFile(const QString &path, GameFileTarget target)
{
    return ParseGameFile(textfile::readLines(path), target);
}

int ParseGameFile(const QStringList &lines, GameFileTarget target)
{
    // A missing line reads as an empty one: it marks nothing.

    const QString draws = valueOf(lineAt(lines, 0)).trimmed();
    for (int c = 0; c < kDrawColumns; ++c) {
        for (int r = 0; r < kDrawRows; ++r) {
            if (draws == QString::number(kDrawValues[c][r]))
                target.drawBoxes[c][r] = true;
        }
    }

    for (const QString &item : data::SplitCommaText(valueOf(lineAt(lines, 1)))) {
        const int position = toInt(item);
        if (position >= 0 && position < kMultiplierBoxCount)
            target.multiplierBoxes[position] = true;
    }

    int count = 0;
    for (const QString &item : data::SplitCommaText(lineAt(lines, 2))) {
        const int number = toInt(item);
        ++count;
        if (number >= 1 && number <= kNumbers)
            target.board[number - 1] = true;
    }
    return count;
}

std::optional<int> GameBoxAfterLoad(int count)
{
    if (count <= 0)
        return std::nullopt;
    if (count > kMaxGame)
        return kGameBoxCount;
    return gameBoxOf(count);
}

} // namespace taru
