#include "help/THelpRouter.h"

#include <QApplication>
#include <QFileInfo>
#include <QWidget>

#include <stdexcept>

namespace {

// A name that has the extension in other letters keeps its own: file names
// here are case-sensitive, and "GLYPHARY.chm" would not be "GLYPHARY.CHM".
QString withExtension(const QString& file, const QString& extension)
{
    const QString suffix = QFileInfo(file).suffix();
    if (u'.' + suffix.toLower() == extension)
        return file;
    const QString base = suffix.isEmpty() ? file : file.left(file.size() - suffix.size() - 1);
    return base + extension;
}

quint32 number(const HelpData& data)
{
    const quint32* value = std::get_if<quint32>(&data);
    return value ? *value : 0;
}

}  // namespace

THelpRouter::THelpRouter(ApplicationHelp& application, QWidget* owner)
    : QObject(owner), application_(application), engine_(application.engine), owner_(owner)
{
    // The application has one help hook, and a router owns it.
    if (application_.OnHelp.target<Handler>())
        throw std::runtime_error("Multiple instances of THelpRouter are not allowed");
    previous_ = std::move(application_.OnHelp);
    application_.OnHelp = Handler{this};
}

THelpRouter::~THelpRouter()
{
    application_.OnHelp = std::move(previous_);
}

void THelpRouter::setHelpType(THelpType type)
{
    helpType_ = type;
    if (type != htWinhelp)
        engine_.loadHtmlHelp();
}

// The application's window is the main window that owns the router. A form
// with a help file of its own (its "HelpFile" property) serves its requests.
THelpRouter::Target THelpRouter::target() const
{
    QWidget* mainWindow = owner_ ? owner_->window() : nullptr;
    Target result{mainWindow, application_.HelpFile};
    QWidget* form = QApplication::activeWindow();
    if (!form)
        form = mainWindow;
    if (form) {
        const QString own = form->property("HelpFile").toString();
        if (!own.isEmpty())
            result = {form, own};
    }
    if (!Helpfile.isEmpty())
        result = {mainWindow, Helpfile};
    return result;
}

bool THelpRouter::route(quint16 command, const HelpData& data, bool& callHelp)
{
    bool result = false;
    if (OnHelp)
        result = OnHelp(command, data, callHelp);
    if (callHelp && previous_)
        result = previous_(command, data, callHelp);
    if (!callHelp)
        return result;

    if (ShowType == stMain) {
        if (command == HELP_CONTEXTPOPUP)
            command = HELP_CONTEXT;
        else if (command == HELP_SETPOPUP_POS)
            command = 0;
    }
    const Target chosen = target();
    const bool html = helpType_ == htHTMLhelp ||
                      (helpType_ == htMixedMode && command != HELP_CONTEXTPOPUP &&
                       command != HELP_SETPOPUP_POS);
    if (html) {
        // Without the engine the request stays with the application.
        if (!engine_.loadHtmlHelp())
            return result;
        return htmlRequest(command, data, chosen, callHelp);
    }

    result = command == 0 || engine_.winHelp(chosen.window, withExtension(chosen.file, QStringLiteral(".hlp")),
                                             command, number(data));
    callHelp = false;
    return result;
}

bool THelpRouter::htmlRequest(quint16 command, const HelpData& data, const Target& chosen,
                              bool& callHelp)
{
    const Target target{chosen.window, withExtension(chosen.file, QStringLiteral(".chm"))};
    bool result = false;
    switch (command) {
    case HELP_CONTEXT:
        result = engine_.htmlHelp(target.window, target.file, HtmlHelpCommand::HelpContext, number(data));
        break;
    case HELP_QUIT:
        result = engine_.htmlHelp(target.window, QString(), HtmlHelpCommand::CloseAll, std::monostate());
        break;
    case HELP_CONTENTS:
    case HELP_FINDER:
        result = engine_.htmlHelp(target.window, target.file, HtmlHelpCommand::DisplayToc, std::monostate());
        break;
    case HELP_CONTEXTPOPUP:
        return contextPopup(number(data), target, callHelp);
    case HELP_SETPOPUP_POS: {
        const quint32 position = number(data);
        popupPosition_ = QPoint(qint16(position & 0xFFFF), qint16(position >> 16));
        break;
    }
    case HELP_TAB:
        result = number(data) == 0
                     ? engine_.htmlHelp(target.window, target.file, HtmlHelpCommand::DisplayToc, std::monostate())
                     : engine_.htmlHelp(target.window, target.file, HtmlHelpCommand::DisplayIndex, std::monostate());
        break;
    case HELP_KEY:
    case HELP_PARTIALKEY: {
        const QString* keyword = std::get_if<QString>(&data);
        result = engine_.htmlHelp(target.window, target.file, HtmlHelpCommand::DisplayIndex,
                                  keyword ? *keyword : QString());
        break;
    }
    default:
        break;
    }
    callHelp = false;
    return result;
}

bool THelpRouter::contextPopup(quint32 context, const Target& target, bool& callHelp)
{
    if (popupPosition_.isNull())
        popupPosition_ = engine_.cursorPos();
    HelpPopup popup;
    popup.context = context;
    popup.position = popupPosition_;
    popup.font = QStringLiteral("MS Sans Serif, 8");
    const QString topics = CHMPopupTopics.isEmpty() ? QStringLiteral("CSHelp.txt") : CHMPopupTopics;
    engine_.htmlHelp(target.window, target.file + QStringLiteral("::/") + topics,
                     HtmlHelpCommand::DisplayTextPopup, popup);
    popupPosition_ = {};
    callHelp = false;
    return true;
}
