#include "base/CommaText.h"

namespace taru::data {

QString UnquoteCommaItem(QStringView content)
{
    QString item = content.toString();
    item.replace(QStringLiteral("\"\""), QStringLiteral("\""));
    return item;
}

QStringList SplitCommaText(QStringView text)
{
    QStringList items;
    ForEachCommaItem(text.data(), text.size(), [&](qsizetype start, qsizetype end, bool quoted) {
        const QStringView content = text.mid(start, end - start);
        items.append(quoted ? UnquoteCommaItem(content) : content.toString());
        return true;
    });
    return items;
}

} // namespace taru::data
