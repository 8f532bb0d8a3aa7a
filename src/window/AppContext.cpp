#include "window/AppContext.h"

#include "window/Calculator.h"
#include "window/HelpViewer.h"

namespace taru::ui {

AppContext::AppContext(AppPaths paths_, Prompts &prompts_)
    : paths(std::move(paths_))
    , prompts(prompts_)
{
    showHelp = [this](const QString &topic) { ShowHelpTopic(this->paths, topic); };
    startCalculator = [] { StartCalculator(); };
}

void AppContext::help(const QString &topic) const
{
    if (showHelp)
        showHelp(topic);
}

void AppContext::calculator() const
{
    if (startCalculator)
        startCalculator();
}

} // namespace taru::ui
