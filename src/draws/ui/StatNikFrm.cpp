#include "draws/ui/StatNikFrm.h"

#include "draws/ui/DrawsTexts.h"
#include "draws/ui/StatAllFrm.h"
#include "window/ErrorGuard.h"

#include <QPushButton>

namespace taru::ui {

TStatNikFrm::TStatNikFrm(AppContext &context, QWidget *parent)
    : DrawsListFrm(context, kStatNikCaption, kStatNikLegend1 + QString(12, QLatin1Char(' ')) + kStatNikLegend2, parent)
{
    setObjectName(QStringLiteral("StatNikFrm"));
    glBitBtn1 = addButton("glBitBtn1", kContinueButton);
    connectGuarded(glBitBtn1, &QPushButton::clicked, this, context_.prompts, [this] { glBitBtn1Click(); });
}

void TStatNikFrm::glBitBtn1Click()
{
    auto *stats = context_.window<TStatAllFrm>(WindowId::StatAllFrm);
    if (!stats)
        return;
    stats->prepare(drawsPath());
    stats->exec();
}

} // namespace taru::ui
