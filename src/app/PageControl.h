#pragma once

#include <QTabWidget>

// A tab widget whose tabs all have one fixed width instead of fitting their
// captions, and which tells user page changes apart from the program's own.
class PageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget* parent = nullptr);

    // Tabs of the designed width, narrowed where they would not all fit.
    void setTabWidth(int designed);

    // The size of a page while the control has size.
    QSize pageSize(const QSize& size) const;

    // Makes page the current one without emitting pageChanged.
    void setActivePageQuietly(QWidget* page);

signals:
    // The user made another page current: first the page left, then the page shown.
    void pageChanging(QWidget* left);
    void pageChanged(QWidget* page);

private:
    bool quiet_ = false;
    QWidget* shown_ = nullptr;
};
