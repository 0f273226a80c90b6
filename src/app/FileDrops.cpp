#include "app/FileDrops.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

QStringList localPaths(const QMimeData* data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}

} // namespace

FileDrops::FileDrops(QWidget* window) : QObject(window), window_(window)
{
    // The window takes what falls on controls that take no drops.
    window->setAcceptDrops(true);
    qApp->installEventFilter(this);
}

FileDrops::~FileDrops() { qApp->removeEventFilter(this); }

bool FileDrops::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != window_)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const QStringList paths = localPaths(drop->mimeData());
    // Never a move: the source would delete the files it thinks it gave away.
    const Qt::DropActions offered = drop->possibleActions();
    const Qt::DropAction action = offered & Qt::CopyAction ? Qt::CopyAction
                                  : offered & Qt::LinkAction ? Qt::LinkAction
                                                             : Qt::IgnoreAction;
    if (paths.isEmpty() || action == Qt::IgnoreAction)
        return false;
    drop->setDropAction(action);
    drop->accept();
    if (type == QEvent::Drop)
        QMetaObject::invokeMethod(this, [this, paths] { emit dropped(paths); }, Qt::QueuedConnection);
    return true;
}
