#include "fakes/GeneratedFonts.h"

#include <QFile>
#include <QProcess>

#include <cstdio>

bool writeTestFonts(const QString& root, bool userFonts, const QStringList& moreFolders)
{
    const QString script = QStringLiteral(GLYPHARY_TEST_DATA_DIR "/make_test_fonts.py");
    // The first interpreter that has fontTools: a per-user Python may lack it.
    for (const QString& python : {QStringLiteral("/usr/bin/python3"), QStringLiteral("python3")}) {
        QProcess probe;
        probe.start(python, {"-c", "import fontTools"});
        if (!probe.waitForFinished() || probe.exitCode() != 0)
            continue;
        QProcess make;
        make.setProcessChannelMode(QProcess::ForwardedChannels);
        make.start(python, {script, root});
        if (!make.waitForFinished(120000) || make.exitStatus() != QProcess::NormalExit
            || make.exitCode() != 0)
            return false;
        QFile conf(root + "/fonts.conf");
        if (!conf.open(QIODevice::WriteOnly))
            return false;
        QString dirs = userFonts ? QStringLiteral("  <dir prefix=\"xdg\">fonts</dir>\n") : QString();
        for (const QString& folder : moreFolders)
            dirs += QStringLiteral("  <dir>%1/%2</dir>\n").arg(root.toHtmlEscaped(), folder);
        conf.write(QStringLiteral("<?xml version=\"1.0\"?>\n"
                                  "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                                  "<fontconfig>\n  <dir>%1/fonts</dir>\n%2"
                                  "  <cachedir>%1/cache</cachedir>\n</fontconfig>\n")
                       .arg(root.toHtmlEscaped(), dirs)
                       .toUtf8());
        return conf.flush();
    }
    std::fputs("No python3 with fontTools (python3-fonttools)\n", stderr);
    return false;
}
