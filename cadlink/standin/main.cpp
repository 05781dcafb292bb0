// cad-standin: a stand-in CAD program for the tests of the CAD link.
//   cad-standin --socket NAME [--drawing FILE] [--script FILE] [--log FILE]
//               [--no-document] [--no-window] [--leftover] [--copydata-reply N] [--hung]
// --no-document: no drawing is open; --no-window: the program has no main window to raise or to
// take typed commands; --leftover: a selection set "dnesniPokus" is left in the drawing;
// --copydata-reply: what the window answers to a typed command; --hung: the program accepts
// connections but answers nothing.

#include "StandInServer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonObject>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption socket("socket", "local socket", "name");
    const QCommandLineOption drawingFile("drawing", "drawing file", "file");
    const QCommandLineOption scriptFile("script", "pick script", "file");
    const QCommandLineOption logFile("log", "event log", "file");
    const QCommandLineOption noDocument("no-document", "no drawing open");
    const QCommandLineOption noWindow("no-window", "no main window");
    const QCommandLineOption leftover("leftover", "a leftover selection set");
    const QCommandLineOption hung("hung", "answers nothing");
    const QCommandLineOption copyDataReply("copydata-reply", "answer to typed commands", "n", "1");
    parser.addOptions({socket, drawingFile, scriptFile, logFile, noDocument, noWindow, leftover, copyDataReply, hung});
    parser.process(app);

    Drawing drawing;
    PickScript script;
    EventLog log;
    QString error;
    if ((parser.isSet(drawingFile) && !drawing.Load(parser.value(drawingFile), error)) ||
        (parser.isSet(scriptFile) && !script.Load(parser.value(scriptFile), error)) || !log.Open(parser.value(logFile)))
    {
        std::fprintf(stderr, "cad-standin: %s\n", qPrintable(error.isEmpty() ? "cannot write the log" : error));
        return 2;
    }
    if (parser.isSet(leftover))
        drawing.selectionSets.insert("dnesniPokus", {});

    StandInOptions options;
    options.noDocument = parser.isSet(noDocument);
    options.noWindow = parser.isSet(noWindow);
    options.hung = parser.isSet(hung);
    options.copyDataReply = parser.value(copyDataReply).toLongLong();
    StandInServer server(drawing, script, log, options);
    if (!server.Listen(parser.value(socket)))
    {
        std::fprintf(stderr, "cad-standin: cannot listen on %s\n", qPrintable(parser.value(socket)));
        return 2;
    }
    log.Write(QJsonObject{{"started", QCoreApplication::applicationPid()}});
    return app.exec();
}
