#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

std::optional<int> answerCommandLine(int argc, char* argv[], QStringList& paths)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QString name = QFileInfo(arguments.value(0, QStringLiteral("glyphary"))).fileName();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Lists, shows and prints the fonts of the current printer; previews and installs font files."));
    // Not addHelpOption: it offers Qt's own options, which are refused here.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays version information and exits."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("paths"),
                                 QStringLiteral("Font files, or a folder, to preview and install."),
                                 QStringLiteral("[FILE...|FOLDER]"));

    QString error;
    if (!parser.parse(arguments))
        error = parser.errorText();
    else if ((parser.isSet(help) || parser.isSet(version)) && !parser.positionalArguments().isEmpty())
        error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst());
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", qPrintable(name),
                     qPrintable(error), qPrintable(name));
        return 2;
    }
    if (parser.isSet(help)) {
        // There is no application object yet to name the program: it would need a display.
        std::fputs(qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"), name)), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(name), qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    // Made absolute now: the working folder may change before they are opened.
    paths.clear();
    for (const QString& path : parser.positionalArguments()) {
        if (!path.isEmpty())
            paths << QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    }
    return std::nullopt;
}
