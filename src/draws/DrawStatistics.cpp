#include "draws/DrawStatistics.h"

#include "base/CommaText.h"
#include "base/TextFile.h"

#include <algorithm>

namespace taru::draws {

namespace {
std::size_t at(int n)
{
    return static_cast<std::size_t>(n);
}

// A number field as the statistics take it: its integer value, 0 when it is none.
int fieldNumber(const char *text, qsizetype size)
{
    if (size >= 1 && size <= 2) {
        int value = 0;
        qsizetype i = 0;
        for (; i < size && text[i] >= '0' && text[i] <= '9'; ++i)
            value = value * 10 + (text[i] - '0');
        if (i == size)
            return value;
    }
    // Quotes or blanks around a number leave it a number, as the conversion trims.
    bool ok = false;
    const int value = QByteArray(text, size).trimmed().toInt(&ok);
    return ok ? value : 0;
}
} // namespace

int DrawStatistics::share(int n) const
{
    if (total <= 0)
        return 0;
    const std::int64_t scaled = std::int64_t{appearances[at(n - 1)]} * 100;
    std::int64_t q = scaled / total;
    const std::int64_t twice = 2 * (scaled % total);
    if (twice > total || (twice == total && q % 2 != 0))
        ++q;
    return static_cast<int>(q);
}

QStringList DrawStatistics::cells(int n) const
{
    const int a = appearances[at(n - 1)];
    // The share cell starts as "0" and is only written when the number is drawn.
    const QString shareText = a == 0 ? QStringLiteral("0") : QStringLiteral("%1 %").arg(share(n));
    return {QString::number(n), QString::number(a), shareText, QString::number(repeats[at(n - 1)]),
            QString::number(delays[at(n - 1)])};
}

QString DrawStatistics::totalText() const
{
    return kStatTotalText + QString::number(total);
}

QString DrawStatistics::delayedText() const
{
    const int most = std::max(0, *std::max_element(delays.begin(), delays.end()));
    QStringList entries;
    for (int n = 1; n <= kHighestNumber; ++n) {
        const int delay = delays[at(n - 1)];
        if (delay >= most - 2)
            entries << QStringLiteral("%1 με %2φ ").arg(n).arg(delay);
    }
    return kStatDelayedText + entries.join(QLatin1Char(','));
}

QString DrawStatistics::streakText() const
{
    if (streakOrder.empty())
        return kStatStreakText;
    QStringList labels;
    for (int i = 0; i < kStreakLabels && i < static_cast<int>(streakOrder.size()); ++i)
        labels << QString::number(streakOrder[at(i)]);
    return kStatStreakText + labels.join(QLatin1Char(',')) + kStatStreakTail;
}

std::vector<int> ExchangeSortLabels(std::array<int, kHighestNumber> counts)
{
    std::vector<int> labels(kHighestNumber);
    for (int i = 0; i < kHighestNumber; ++i)
        labels[at(i)] = i + 1;
    for (int i = kHighestNumber - 1; i >= 0; --i) {
        for (int j = 1; j <= i; ++j) {
            if (counts[at(i)] > counts[at(j - 1)]) {
                std::swap(counts[at(j - 1)], counts[at(i)]);
                std::swap(labels[at(j - 1)], labels[at(i)]);
            }
        }
    }
    return labels;
}

void StatisticsBuilder::add(const int *numbers, int count)
{
    std::bitset<kHighestNumber + 1> draw;
    for (int i = 0; i < count; ++i) {
        if (numbers[i] >= 1 && numbers[i] <= kHighestNumber)
            draw.set(at(numbers[i]));
    }
    add(draw);
}

void StatisticsBuilder::add(const std::bitset<kHighestNumber + 1> &draw)
{
    ++count_;
    for (int n = 1; n <= kHighestNumber; ++n) {
        if (!draw.test(at(n)))
            continue;
        ++appearances_[at(n)];
        run_[at(n)] = lastSeen_[at(n)] == count_ - 1 ? run_[at(n)] + 1 : 1;
        lastSeen_[at(n)] = count_;
    }
    recent_[at(count_ % kStreakDraws)] = draw;
}

DrawStatistics StatisticsBuilder::finish() const
{
    DrawStatistics s;
    s.total = count_;
    for (int n = 1; n <= kHighestNumber; ++n) {
        const auto i = at(n - 1);
        s.appearances[i] = appearances_[at(n)];
        s.delays[i] = appearances_[at(n)] == 0 ? count_ : count_ - lastSeen_[at(n)];
        s.repeats[i] = count_ > 0 && lastSeen_[at(n)] == count_ ? run_[at(n)] : 0;
    }
    if (count_ > 0) {
        std::array<int, kHighestNumber> counts{};
        const int latest = std::min(count_, kStreakDraws);
        for (int k = 0; k < latest; ++k) {
            const auto &draw = recent_[at((count_ - k) % kStreakDraws)];
            for (int n = 1; n <= kHighestNumber; ++n)
                counts[at(n - 1)] += draw.test(at(n)) ? 1 : 0;
        }
        s.streakOrder = ExchangeSortLabels(counts);
    }
    return s;
}

DrawStatistics ComputeStatistics(const DrawList &draws)
{
    StatisticsBuilder builder;
    for (std::size_t row = 0; row < draws.size(); ++row) {
        std::array<int, kDrawNumbers> numbers{};
        if (const auto plain = draws.plainNumbers(row)) {
            numbers = *plain;
        } else {
            for (int i = 0; i < kDrawNumbers; ++i) {
                bool ok = false;
                const int n = draws.field(row, 3 + i).trimmed().toInt(&ok);
                numbers[at(i)] = ok ? n : 0;
            }
        }
        builder.add(numbers.data(), kDrawNumbers);
    }
    return builder.finish();
}

StatisticsFileData ReadDrawStatistics(const QString &path)
{
    StatisticsFileData data;
    StatisticsBuilder builder;
    textfile::LineReader reader(path);
    if (!reader.isOpen()) {
        data.error = kDrawsReadError;
        data.detail = QStringLiteral("Το αρχείο «%1» δεν ανοίγει: %2").arg(path, reader.errorString());
        data.stats = builder.finish();
        return data;
    }
    while (const std::optional<QByteArray> line = reader.nextBytes()) {
        std::array<int, kDrawNumbers> numbers{};
        int field = 0;
        data::ForEachCommaItem(line->constData(), line->size(), [&](qsizetype start, qsizetype end, bool) {
            if (field >= 3)
                numbers[at(field - 3)] = fieldNumber(line->constData() + start, end - start);
            return ++field < kDrawFields;
        });
        if (field > 0)
            builder.add(numbers.data(), kDrawNumbers);
    }
    data.stats = builder.finish();
    if (reader.lineTooLong() || reader.failed()) {
        data.error = kDrawsReadError;
        data.detail = reader.lineTooLong()
            ? QStringLiteral("Το αρχείο «%1» είναι κατεστραμμένο στη γραμμή %2: η γραμμή ξεπερνά τα %3 bytes.")
                  .arg(path)
                  .arg(reader.lineNumber() + 1)
                  .arg(textfile::LineReader::kDefaultMaxLineBytes)
            : QStringLiteral("Το αρχείο «%1» δεν διαβάζεται: %2").arg(path, reader.errorString());
        return data;
    }
    data.valid = true;
    return data;
}

} // namespace taru::draws
