#pragma once

#include <QString>

// The progress display of an install run.
class InstallProgress {
public:
    virtual ~InstallProgress() = default;

    virtual void setSelectedCaption(const QString& text) = 0;
    virtual void setInstalledCaption(const QString& text) = 0;
    virtual void showProgress() = 0;
    virtual void hideProgress() = 0;
};
