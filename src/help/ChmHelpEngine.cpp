#include "help/ChmHelpEngine.h"

#include "help/ChmHelpFile.h"
#include "help/THelpViewer.h"
#include "platform/ChmLibrary.h"
#include "platform/ScreenMetrics.h"

#include <QCursor>
#include <QFileInfo>
#include <QLabel>

namespace {

// The resolution the help window's size is designed at.
constexpr double DesignDpi = 96.0;

}  // namespace

ChmHelpEngine::ChmHelpEngine(ChmLibrary& library, Shell& shell, ScreenMetrics& screen)
    : library_(library), shell_(shell), screen_(screen)
{
}

ChmHelpEngine::~ChmHelpEngine()
{
    delete viewer_;
    delete popup_;
}

THelpViewer* ChmHelpEngine::viewer() const { return viewer_; }

QLabel* ChmHelpEngine::popup() const { return popup_; }

bool ChmHelpEngine::loadHtmlHelp() { return library_.load(); }

bool ChmHelpEngine::winHelp(QWidget*, const QString&, quint16, quint32) { return false; }

QPoint ChmHelpEngine::cursorPos() const { return QCursor::pos(); }

std::shared_ptr<const ChmHelpFile> ChmHelpEngine::open(const QString& fileName)
{
    const QString canonical = QFileInfo(fileName).canonicalFilePath();
    if (canonical.isEmpty())
        return nullptr;
    if (file_ && canonical == fileName_)
        return file_;
    std::unique_ptr<ChmArchive> archive = library_.open(canonical);
    if (!archive)
        return nullptr;
    fileName_ = canonical;
    file_ = std::make_shared<const ChmHelpFile>(std::move(archive));
    return file_;
}

bool ChmHelpEngine::htmlHelp(QWidget* window, const QString& file, HtmlHelpCommand command,
                             const HtmlHelpData& data)
{
    if (!library_.load())
        return false;
    if (command == HtmlHelpCommand::CloseAll) {
        delete viewer_;
        delete popup_;
        return true;
    }
    if (command == HtmlHelpCommand::DisplayTextPopup) {
        const HelpPopup* popup = std::get_if<HelpPopup>(&data);
        if (!popup)
            return false;
        if (!popup->text.isEmpty())
            return showPopup(window, popup->text, *popup);
        const qsizetype separator = file.indexOf(QStringLiteral("::"));
        const std::shared_ptr<const ChmHelpFile> help = open(file.left(separator));
        if (separator < 0 || !help)
            return false;
        return showPopup(window, help->popupText(file.mid(separator + 2), popup->context), *popup);
    }

    const std::shared_ptr<const ChmHelpFile> help = open(file);
    if (!help)
        return false;
    switch (command) {
    case HtmlHelpCommand::DisplayToc:
        if (!showTopic(window, help, help->defaultTopic()))
            return false;
        viewer_->showContents();
        return true;
    case HtmlHelpCommand::DisplayIndex: {
        if (!showTopic(window, help, help->defaultTopic()))
            return false;
        const QString* keyword = std::get_if<QString>(&data);
        viewer_->showIndex(keyword ? *keyword : QString());
        return true;
    }
    case HtmlHelpCommand::HelpContext: {
        const quint32* context = std::get_if<quint32>(&data);
        return context && showTopic(window, help, help->contextTopic(*context));
    }
    default:
        return false;
    }
}

// Nothing is shown unless the page can be read: a damaged file opens no window.
bool ChmHelpEngine::showTopic(QWidget* window, const std::shared_ptr<const ChmHelpFile>& file,
                              const QString& topic)
{
    if (topic.isEmpty() || !file->read(topic.section(u'#', 0, 0)))
        return false;
    if (viewer_ && viewer_->parentWidget() != window)
        delete viewer_;
    if (!viewer_)
        viewer_ = new THelpViewer(shell_, window, screen_.logicalDpiX() / DesignDpi);
    if (viewer_->file() != file.get())
        viewer_->setFile(file);
    viewer_->showTopic(topic);
    viewer_->show();
    viewer_->raise();
    viewer_->activateWindow();
    return true;
}

bool ChmHelpEngine::showPopup(QWidget* window, const QString& text, const HelpPopup& popup)
{
    if (text.isEmpty())
        return false;
    delete popup_;
    popup_ = new QLabel(window, Qt::Popup);
    // The help file's popup texts are plain: markup in them shows as written.
    popup_->setTextFormat(Qt::PlainText);
    popup_->setText(text);
    popup_->setObjectName(QStringLiteral("HelpPopup"));
    popup_->setAttribute(Qt::WA_DeleteOnClose);
    popup_->setWordWrap(true);
    popup_->setMaximumWidth(360);
    popup_->setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette palette = popup_->palette();
    palette.setColor(QPalette::Window, popup.background < 0 ? palette.color(QPalette::ToolTipBase)
                                                            : QColor::fromRgb(QRgb(popup.background)));
    palette.setColor(QPalette::WindowText, popup.foreground < 0
                                               ? palette.color(QPalette::ToolTipText)
                                               : QColor::fromRgb(QRgb(popup.foreground)));
    popup_->setPalette(palette);
    popup_->setAutoFillBackground(true);
    const QMargins margins = popup.margins;
    constexpr int DefaultMargin = 6;
    popup_->setContentsMargins(margins.left() < 0 ? DefaultMargin : margins.left(),
                               margins.top() < 0 ? DefaultMargin : margins.top(),
                               margins.right() < 0 ? DefaultMargin : margins.right(),
                               margins.bottom() < 0 ? DefaultMargin : margins.bottom());
    const QStringList font = popup.font.split(u',');
    if (!font.value(0).trimmed().isEmpty()) {
        QFont labelFont(font.value(0).trimmed());
        const int points = font.value(1).trimmed().toInt();
        if (points > 0)
            labelFont.setPointSize(points);
        popup_->setFont(labelFont);
    }
    popup_->adjustSize();
    popup_->move(popup.position);
    popup_->show();
    return true;
}
