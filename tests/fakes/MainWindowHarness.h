#pragma once

#include "app/TfrmMain.h"
#include "fakes/FakePlatform.h"
#include "platform/linux/QSettingsStore.h"

#include <QItemSelectionModel>
#include <QString>

#include <functional>
#include <memory>

class QListView;
class QTabWidget;
class TfrmInstalling;
class TfrmPrinting;

// The main window over fake services, built as start-up builds it: setUp
// fills the fakes first; the settings are the fake store or real QSettings in
// the test's home.
struct MainWindowHarness {
    enum class Settings { Fake, Real };

    explicit MainWindowHarness(const std::function<void(FakePlatform&)>& setUp = {},
                               Settings settings = Settings::Fake);
    ~MainWindowHarness();

    // FormCreate, then shown and exposed, as main() does it.
    void start();
    // The printing and installing dialogs that main() creates after the window.
    void addDialogs();

    QObject* object(const QString& name) const;
    template <typename T>
    T* find(const QString& name) const
    {
        T* found = qobject_cast<T*>(object(name));
        if (!found)
            qFatal("%s is no %s", qPrintable(name), T::staticMetaObject.className());
        return found;
    }
    QString text(const QString& label) const;
    QTabWidget* pages() const;
    // As the user does it: the tab bar changes the page.
    void choosePage(const QString& name);

    // The family list as the user sees it.
    QListView* fonts() const;
    int fontCount() const;
    QString family(int row) const;
    int rowOf(const QString& family) const;
    bool selected(int row) const;
    int selectedCount() const;
    void clickFont(int row, Qt::KeyboardModifiers modifiers = {});
    void setCurrentFont(int row, QItemSelectionModel::SelectionFlags how);

    // The program's INI file and one of its values in the fake INI files.
    QString ini() const { return fake.platform.appFolder + QStringLiteral("GLYPHARY.INI"); }
    QString& stored(const QString& key);

    FakePlatform fake;
    // Made only when asked for: the real store opens the user's settings file.
    std::unique_ptr<QSettingsStore> realSettings;
    Platform platform;
    std::unique_ptr<TfrmMain> frmMain;
    TfrmPrinting* frmPrinting = nullptr;
    TfrmInstalling* frmInstalling = nullptr;

private:
    SettingsStore& settingsStore(Settings kind);
};
