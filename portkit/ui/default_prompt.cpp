#include "portkit/ui/default_prompt.h"

// platform
#include "platform/gui/message_box_prompt.h"

// Qt
#include <QApplication>
#include <QThread>

namespace portkit {

platform::Answer DefaultPrompt::Show(const platform::Message& message)
{
    const QCoreApplication* app = QCoreApplication::instance();
    if (qobject_cast<const QApplication*>(app) != nullptr && QThread::currentThread() == app->thread())
        return platform::gui::MessageBoxPrompt().Show(message);
    return platform::ConsolePrompt().Show(message);
}

} // namespace portkit
