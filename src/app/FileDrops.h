#pragma once

#include <QObject>
#include <QStringList>

class QWidget;

// Files and folders dropped anywhere on a window, over its controls too: a
// text box would otherwise paste their names. Drops of other things go to
// the controls as before.
class FileDrops : public QObject {
    Q_OBJECT
public:
    explicit FileDrops(QWidget* window);
    ~FileDrops() override;

signals:
    // After the drop has returned to the desktop, never inside it.
    void dropped(const QStringList& paths);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
};
