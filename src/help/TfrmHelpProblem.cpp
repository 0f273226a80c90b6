#include "help/TfrmHelpProblem.h"

#include "platform/ApplicationHelp.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

const QUrl TfrmHelpProblem::HelpFixPage(QStringLiteral("https://www.example.com/glyphary/helpfix.html"));

QString TfrmHelpProblem::missing(ApplicationHelp& help)
{
    QStringList problems;
    if (!help.engine.loadHtmlHelp())
        problems << QStringLiteral(
            "The Glyphary help needs the CHM library chmlib, which is not installed: on Debian or "
            "Ubuntu install the package libchm1, elsewhere the package that provides "
            "libchm.so.1.");
    if (!QFileInfo(help.HelpFile).isFile())
        problems << QStringLiteral("The help file %1 is missing: install Glyphary again to get it "
                                   "back.")
                        .arg(QDir::toNativeSeparators(help.HelpFile));
    return problems.join(u' ');
}

TfrmHelpProblem::TfrmHelpProblem(ApplicationHelp& help, Shell& shell, MessageBoxes& messages,
                                 QWidget* owner, double scale)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      shell_(shell), messages_(messages)
{
    setObjectName(QStringLiteral("frmHelpProblem"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);
    setWindowTitle(QStringLiteral("How to Fix Problem Accessing Help"));
    auto px = [scale](int designPixels) { return qRound(designPixels * scale); };
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    const QString problem = missing(help);
    Label1 = new QLabel(this);
    // The help file's path is wherever the program was put.
    Label1->setTextFormat(Qt::PlainText);
    Label1->setText(
        (problem.isEmpty()
             ? QStringLiteral("The Glyphary help needs the CHM library chmlib and the help file %1. "
                              "If nothing opens when you choose Using Glyphary from the Help "
                              "menu, one of them is missing or damaged.")
                   .arg(QDir::toNativeSeparators(help.HelpFile))
             : problem)
            + QStringLiteral(" If your Internet connection is active, the Get Update button opens "
                             "a page that tells where to get the library."));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The interface font decides the height the text needs; the dialog grows
    // by what the design's label lacks.
    const int needed = Label1->heightForWidth(px(308));
    const int grow = std::max(0, needed - px(117));
    Label1->setGeometry(px(12), px(12), px(308), px(117) + grow);
    setFixedSize(px(334), px(202) + grow);

    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(px(181), px(156) + grow, px(80), px(31));
    cmdGetFix = new QPushButton(QStringLiteral("&Get Update"), this);
    cmdGetFix->setObjectName(QStringLiteral("cmdGetFix"));
    cmdGetFix->setGeometry(px(91), px(156) + grow, px(80), px(31));
    setTabOrder(cmdClose, cmdGetFix);
    cmdClose->setDefault(true);
    cmdClose->setFocus();

    connect(cmdClose, &QPushButton::clicked, this, &TfrmHelpProblem::cmdCloseClick);
    connect(cmdGetFix, &QPushButton::clicked, this, &TfrmHelpProblem::cmdGetFixClick);
    if (owner)
        move(owner->window()->frameGeometry().center() - rect().center());
}

void TfrmHelpProblem::cmdCloseClick() { close(); }

void TfrmHelpProblem::cmdGetFixClick()
{
    if (!shell_.openUrl(HelpFixPage))
        messages_.dialogError(this, QStringLiteral("Unable to connect to Web page"));
}
