#include "app/ui/AppContext.h"
#include "app/ui/FeatureWindows.h"
#include "app/ui/RealPrompts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TARU"));
    QStringList args = QApplication::arguments();
    taru::ui::RealPrompts prompts;
    taru::ui::AppContext context(taru::AppPaths::fromEnvironment(args), prompts);
    taru::ui::FeatureWindows windows(context);
    windows.createLate();
    return windows.GameFrm->exec() >= 0 ? 0 : 1;
}
