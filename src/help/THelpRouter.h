#pragma once

#include "platform/ApplicationHelp.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

enum THelpType { htWinhelp, htHTMLhelp, htMixedMode };
enum TShowType { stDefault, stMain, stPopup };

// Serves the application's help requests with the HTML Help engine: it
// installs itself as the application's help handler, ahead of the handler
// that was there, and puts that one back when it goes. One per application.
class THelpRouter : public QObject {
    Q_OBJECT
public:
    // Throws std::runtime_error while another router serves the application.
    THelpRouter(ApplicationHelp& application, QWidget* owner);
    ~THelpRouter() override;
    THelpRouter(const THelpRouter&) = delete;
    THelpRouter& operator=(const THelpRouter&) = delete;

    THelpType HelpType() const { return helpType_; }
    // HTML Help and mixed mode load the engine at once.
    void setHelpType(THelpType type);

    TShowType ShowType = stDefault;
    // Overrides every other help file when set.
    QString Helpfile;
    // Popup topic file inside the compiled help file; "CSHelp.txt" when empty.
    QString CHMPopupTopics = QStringLiteral("CSHelp.txt");
    // The first chance at every request.
    ApplicationHelp::Handler OnHelp;
    bool ValidateID = false;

    // The application's help handler.
    bool route(quint16 command, const HelpData& data, bool& callHelp);

private:
    struct Handler {
        THelpRouter* router;
        bool operator()(quint16 command, const HelpData& data, bool& callHelp) const
        {
            return router->route(command, data, callHelp);
        }
    };
    struct Target {
        QWidget* window;
        QString file;
    };
    Target target() const;
    bool htmlRequest(quint16 command, const HelpData& data, const Target& target, bool& callHelp);
    bool contextPopup(quint32 context, const Target& target, bool& callHelp);

    ApplicationHelp& application_;
    HelpEngine& engine_;
    QPointer<QWidget> owner_;
    ApplicationHelp::Handler previous_;
    THelpType helpType_ = htWinhelp;
    QPoint popupPosition_;
};
