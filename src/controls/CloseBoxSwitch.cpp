#include "CloseBoxSwitch.h"

#include <QCloseEvent>
#include <QWidget>

namespace {
const char *const kGuardName = "closeBoxGuard";

// Lives as a child of the disabled window: swallows the frame's close requests (the window system
// delivers them as spontaneous close events) and remembers the flags to restore.
class CloseGuard : public QObject {
public:
    explicit CloseGuard(QWidget *window) : QObject(window), m_flags(window->windowFlags())
    {
        setObjectName(QLatin1String(kGuardName));
        window->installEventFilter(this);
    }
    Qt::WindowFlags flags() const { return m_flags; }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Close || !event->spontaneous())
            return false;
        event->ignore();
        return true;
    }

private:
    Qt::WindowFlags m_flags;
};

CloseGuard *guardOf(const QWidget *window)
{
    return window->findChild<CloseGuard *>(QLatin1String(kGuardName), Qt::FindDirectChildrenOnly);
}

// Changing the flags of a shown window hides it; show it again where it was.
void applyFlags(QWidget *window, Qt::WindowFlags flags)
{
    const bool visible = window->isVisible();
    window->setWindowFlags(flags);
    if (visible)
        window->show();
}
} // namespace

namespace CloseBoxSwitch {

void EnableCloseButton(QWidget *window, bool enable)
{
    if (!window || !window->isWindow())
        return;
    CloseGuard *guard = guardOf(window);
    if (enable && guard) {
        const Qt::WindowFlags flags = guard->flags();
        delete guard;
        applyFlags(window, flags);
    } else if (!enable && !guard) {
        guard = new CloseGuard(window);
        // A customised frame shows only the buttons named, so name all but the close box.
        Qt::WindowFlags flags = guard->flags();
        if (!flags.testFlag(Qt::CustomizeWindowHint))
            flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                     Qt::WindowMinMaxButtonsHint;
        applyFlags(window, flags & ~Qt::WindowCloseButtonHint);
    }
}

} // namespace CloseBoxSwitch
