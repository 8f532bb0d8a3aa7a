#include "app/ui/AppContext.h"

#include "app/ui/Calculator.h"
#include "app/ui/HelpViewer.h"

namespace taru::ui {

AppContext::AppContext(AppPaths paths_, Prompts &prompts_)
    : paths(std::move(paths_))
    , prompts(prompts_)
{
    showHelp = [this](const QString &topic) { ShowHelpTopic(this->paths, topic); };
    startCalculator = [] { StartCalculator(); };
}

} // namespace taru::ui
