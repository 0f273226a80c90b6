#include "fakes/FakeHelpEngine.h"
#include "help/THelpRouter.h"
#include "platform/ApplicationHelp.h"

#include <QFileInfo>
#include <QTest>
#include <QWidget>

#include <memory>
#include <stdexcept>

namespace {

template <typename... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <typename... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

// "engine command file data", the file without its folder.
QString describe(const FakeHelpEngine::Call& call)
{
    const QString data = std::visit(
        Overloaded{[](std::monostate) { return QStringLiteral("-"); },
                   [](quint32 number) { return QString::number(number); },
                   [](const QString& keyword) { return u'\'' + keyword + u'\''; },
                   [](const HelpPopup& popup) {
                       return QStringLiteral("popup %1 at %2,%3 in %4")
                           .arg(popup.context)
                           .arg(popup.position.x())
                           .arg(popup.position.y())
                           .arg(popup.font);
                   }},
        call.data);
    const qsizetype topics = call.file.indexOf(QStringLiteral("::"));
    const QString file = QFileInfo(call.file.left(topics)).fileName() +
                         (topics < 0 ? QString() : call.file.mid(topics));
    return QStringLiteral("%1 %2 %3 %4").arg(call.engine).arg(call.command).arg(file, data);
}

struct Setup {
    Setup()
    {
        application.HelpFile = QStringLiteral("/opt/glyphary/GLYPHARY.CHM");
        engine.cursor = {300, 200};
    }
    QStringList calls() const
    {
        QStringList result;
        for (const FakeHelpEngine::Call& call : engine.calls)
            result.append(describe(call));
        return result;
    }

    FakeHelpEngine engine;
    ApplicationHelp application{engine};
    QWidget owner;
};

}  // namespace

class TestHelpRouter : public QObject {
    Q_OBJECT
private slots:
    void requests_data();
    void requests();
    void popupPosition_data();
    void popupPosition();
    void handlerChain();
};

void TestHelpRouter::requests_data()
{
    QTest::addColumn<int>("helpType");
    QTest::addColumn<int>("showType");
    QTest::addColumn<bool>("engineLoads");
    QTest::addColumn<QString>("routerFile");
    QTest::addColumn<QString>("popupTopics");
    QTest::addColumn<int>("command");
    QTest::addColumn<uint>("number");
    QTest::addColumn<QString>("keyword");  // not empty: the data is this keyword
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("result");

    const QString topics = QStringLiteral("CSHelp.txt");
    auto row = [&](const char* name, int helpType, int command, uint number, const QStringList& calls,
                   bool result) {
        QTest::newRow(name) << helpType << int(stDefault) << true << QString() << topics << command
                            << number << QString() << calls << result;
    };
    row("contents", htHTMLhelp, HELP_CONTENTS, 0, {"html 1 GLYPHARY.CHM -"}, true);
    row("finder", htHTMLhelp, HELP_FINDER, 0, {"html 1 GLYPHARY.CHM -"}, true);
    row("context", htHTMLhelp, HELP_CONTEXT, 1007, {"html 15 GLYPHARY.CHM 1007"}, true);
    row("quit closes every window", htHTMLhelp, HELP_QUIT, 0, {"html 18  -"}, true);
    row("tab 0 is the contents", htHTMLhelp, HELP_TAB, 0, {"html 1 GLYPHARY.CHM -"}, true);
    row("another tab is the index", htHTMLhelp, HELP_TAB, 2, {"html 2 GLYPHARY.CHM -"}, true);
    row("popup at the cursor", htHTMLhelp, HELP_CONTEXTPOPUP, 2003,
        {"html 14 GLYPHARY.CHM::/CSHelp.txt popup 2003 at 300,200 in MS Sans Serif, 8"}, true);
    row("popup position alone calls nothing", htHTMLhelp, HELP_SETPOPUP_POS, 0x00400020, {}, false);
    row("unknown command calls nothing", htHTMLhelp, 4, 0, {}, false);
    row("mixed: context is HTML", htMixedMode, HELP_CONTEXT, 1001, {"html 15 GLYPHARY.CHM 1001"}, true);
    row("mixed: contents is HTML", htMixedMode, HELP_CONTENTS, 0, {"html 1 GLYPHARY.CHM -"}, true);
    row("mixed: popup is classic", htMixedMode, HELP_CONTEXTPOPUP, 2003, {"win 8 GLYPHARY.hlp 2003"}, true);
    row("mixed: popup position is classic", htMixedMode, HELP_SETPOPUP_POS, 0x00400020,
        {"win 13 GLYPHARY.hlp 4194336"}, true);
    row("classic contents", htWinhelp, HELP_CONTENTS, 0, {"win 3 GLYPHARY.hlp 0"}, true);
    row("classic command 0 calls nothing", htWinhelp, 0, 0, {}, true);

    QTest::newRow("key") << int(htHTMLhelp) << int(stDefault) << true << QString() << topics << int(HELP_KEY)
                         << 0u << "Printing" << QStringList{"html 2 GLYPHARY.CHM 'Printing'"} << true;
    QTest::newRow("partial key") << int(htHTMLhelp) << int(stDefault) << true << QString() << topics
                                 << int(HELP_PARTIALKEY) << 0u << "Pri"
                                 << QStringList{"html 2 GLYPHARY.CHM 'Pri'"} << true;
    QTest::newRow("main: popup becomes context")
        << int(htHTMLhelp) << int(stMain) << true << QString() << topics << int(HELP_CONTEXTPOPUP) << 2003u
        << QString() << QStringList{"html 15 GLYPHARY.CHM 2003"} << true;
    QTest::newRow("main: popup position becomes nothing")
        << int(htMixedMode) << int(stMain) << true << QString() << topics << int(HELP_SETPOPUP_POS)
        << 0x00400020u << QString() << QStringList{} << false;
    QTest::newRow("popup style changes nothing")
        << int(htHTMLhelp) << int(stPopup) << true << QString() << topics << int(HELP_CONTEXTPOPUP) << 2003u
        << QString() << QStringList{"html 14 GLYPHARY.CHM::/CSHelp.txt popup 2003 at 300,200 in MS Sans Serif, 8"}
        << true;
    QTest::newRow("popup topics emptied")
        << int(htHTMLhelp) << int(stDefault) << true << QString() << QString() << int(HELP_CONTEXTPOPUP)
        << 2002u << QString()
        << QStringList{"html 14 GLYPHARY.CHM::/CSHelp.txt popup 2002 at 300,200 in MS Sans Serif, 8"} << true;
    QTest::newRow("popup topics of its own")
        << int(htHTMLhelp) << int(stDefault) << true << QString() << "Tips.txt" << int(HELP_CONTEXTPOPUP)
        << 2002u << QString()
        << QStringList{"html 14 GLYPHARY.CHM::/Tips.txt popup 2002 at 300,200 in MS Sans Serif, 8"} << true;
    QTest::newRow("router's own file, extension changed")
        << int(htHTMLhelp) << int(stDefault) << true << "/opt/other/Manual.hlp" << topics << int(HELP_CONTENTS)
        << 0u << QString() << QStringList{"html 1 Manual.chm -"} << true;
    // The request stays with the application, whose default processing hands
    // the same .chm file to the classic engine.
    QTest::newRow("engine absent falls through")
        << int(htHTMLhelp) << int(stDefault) << false << QString() << topics << int(HELP_CONTENTS) << 0u
        << QString() << QStringList{"win 3 GLYPHARY.CHM 0"} << true;
    QTest::newRow("engine absent, popup falls through")
        << int(htHTMLhelp) << int(stDefault) << false << QString() << topics << int(HELP_CONTEXTPOPUP) << 2003u
        << QString() << QStringList{"win 8 GLYPHARY.CHM 2003"} << true;
}

void TestHelpRouter::requests()
{
    QFETCH(int, helpType);
    QFETCH(int, showType);
    QFETCH(bool, engineLoads);
    QFETCH(QString, routerFile);
    QFETCH(QString, popupTopics);
    QFETCH(int, command);
    QFETCH(uint, number);
    QFETCH(QString, keyword);
    QFETCH(QStringList, calls);
    QFETCH(bool, result);

    Setup setup;
    setup.engine.loadable = engineLoads;
    THelpRouter router(setup.application, &setup.owner);
    router.setHelpType(THelpType(helpType));
    router.ShowType = TShowType(showType);
    router.Helpfile = routerFile;
    router.CHMPopupTopics = popupTopics;

    const HelpData data = keyword.isEmpty() ? HelpData(quint32(number)) : HelpData(keyword);
    QCOMPARE(setup.application.HelpCommand(quint16(command), data), result);
    QCOMPARE(setup.calls(), calls);
    for (const FakeHelpEngine::Call& call : std::as_const(setup.engine.calls))
        QCOMPARE(call.window, call.engine == u"win" && !engineLoads ? nullptr : &setup.owner);
}

void TestHelpRouter::popupPosition_data()
{
    QTest::addColumn<uint>("position");  // 0: no position request
    QTest::addColumn<QString>("first");
    QTest::newRow("none: the cursor") << 0u << "300,200";
    QTest::newRow("remembered") << 0x00400020u << "32,64";
    QTest::newRow("signed halves") << 0xFFF6FFECu << "-20,-10";
}

void TestHelpRouter::popupPosition()
{
    QFETCH(uint, position);
    QFETCH(QString, first);

    Setup setup;
    THelpRouter router(setup.application, &setup.owner);
    router.setHelpType(htHTMLhelp);
    if (position)
        setup.application.HelpCommand(HELP_SETPOPUP_POS, quint32(position));
    setup.application.HelpCommand(HELP_CONTEXTPOPUP, 2001u);
    setup.application.HelpCommand(HELP_CONTEXTPOPUP, 2001u);

    auto at = [&](int call) {
        const QPoint point = std::get<HelpPopup>(setup.engine.calls.at(call).data).position;
        return QStringLiteral("%1,%2").arg(point.x()).arg(point.y());
    };
    QCOMPARE(setup.engine.calls.size(), 2);
    QCOMPARE(at(0), first);
    // Each popup forgets its position: the next starts from the cursor again.
    QCOMPARE(at(1), QStringLiteral("300,200"));
}

void TestHelpRouter::handlerChain()
{
    Setup setup;
    QStringList order;
    bool earlierHandles = false;
    setup.application.OnHelp = [&](quint16, const HelpData&, bool& callHelp) {
        order.append(QStringLiteral("earlier"));
        if (earlierHandles)
            callHelp = false;
        return earlierHandles;
    };
    {
        auto router = std::make_unique<THelpRouter>(setup.application, &setup.owner);
        router->setHelpType(htHTMLhelp);
        QCOMPARE(setup.engine.loads, 1);  // setting the type loads the engine
        router->OnHelp = [&](quint16, const HelpData&, bool&) {
            order.append(QStringLiteral("router's own"));
            return false;
        };

        QVERIFY(setup.application.HelpCommand(HELP_CONTENTS, 0u));
        QCOMPARE(order, QStringList({"router's own", "earlier"}));
        QCOMPARE(setup.calls(), QStringList{"html 1 GLYPHARY.CHM -"});

        // A handler earlier in the chain that deals with the request ends it.
        earlierHandles = true;
        QVERIFY(setup.application.HelpCommand(HELP_CONTENTS, 0u));
        QCOMPARE(setup.engine.calls.size(), 1);

        try {
            THelpRouter second(setup.application, &setup.owner);
            QFAIL("a second router was made");
        } catch (const std::runtime_error& error) {
            QCOMPARE(QString::fromLatin1(error.what()),
                     QStringLiteral("Multiple instances of THelpRouter are not allowed"));
        }
        // The refused router left the first one in place.
        order.clear();
        setup.application.HelpCommand(HELP_CONTENTS, 0u);
        QCOMPARE(order, QStringList({"router's own", "earlier"}));
    }
    // Gone, the router puts the earlier handler back, and a new one may come.
    order.clear();
    setup.application.HelpCommand(HELP_CONTENTS, 0u);
    QCOMPARE(order, QStringList{"earlier"});
    THelpRouter again(setup.application, &setup.owner);
}

QTEST_MAIN(TestHelpRouter)
#include "tst_helprouter.moc"
