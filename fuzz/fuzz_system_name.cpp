// Library file names: the parser never crashes on any name, and every name the constructor
// builds lists back to its own fields.
#include "data/SystemFile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>

using namespace taru::data;

namespace {
QString nameText(FuzzedDataProvider &in)
{
    QString text = QString::fromStdString(in.ConsumeRandomLengthString(8));
    text.remove(QLatin1Char('_')).remove(QLatin1Char('.')).remove(QLatin1Char('$'));
    return text;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    if (const auto row = ParseSystemFileName(QString::fromUtf8(bytes)); row) {
        for (const QString &cell : row->cells)
            (void)cell.size();
    }

    FuzzedDataProvider in(data, size);
    SystemNameFields f;
    f.numbers = in.ConsumeIntegral<int>();
    f.guarantee = in.ConsumeIntegral<int>();
    f.game = in.ConsumeIntegral<int>();
    f.columns = in.ConsumeIntegralInRange<std::int64_t>(0, std::int64_t(1) << 50);
    f.columnPrice = in.ConsumeFloatingPointInRange<double>(0.0, 1000.0);
    f.coupons = in.ConsumeIntegralInRange<std::int64_t>(0, std::int64_t(1) << 50);
    f.columnSize = in.ConsumeIntegral<int>();
    f.hasCondition = in.ConsumeBool();
    f.conditionFrom = nameText(in);
    f.conditionTo = nameText(in);
    const QString name = SystemFileName(f);
    const auto row = ParseSystemFileName(name, QLocale::c());
    if (!row || row->numbers != f.numbers || row->columns != f.columns
        || row->cells[kColGuarantee] != QString::number(f.guarantee)
        || row->sizeText != QString::number(f.columnSize))
        std::abort();
    const QString condition = f.hasCondition ? f.conditionFrom + QStringLiteral(" από ") + f.conditionTo : QStringLiteral("-");
    if (row->cells[kColCondition] != condition)
        std::abort();
    return 0;
}
