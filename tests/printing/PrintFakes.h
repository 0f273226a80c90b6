#pragma once

#include "fakes/RecordingCanvas.h"
#include "platform/MessageBoxes.h"
#include "platform/PrinterService.h"
#include "printing/PrintHost.h"
#include "printing/PrintProgress.h"

#include <QMap>

#include <functional>
#include <stdexcept>

// A printer whose documents land on a recording canvas; every call is logged,
// and a document call out of turn is logged as "misuse".
class RecordingPrinter : public PrinterService {
public:
    explicit RecordingPrinter(int dpiX = 300, int dpiY = 300) : canvas_(dpiX, dpiY) {}

    QStringList printers() override { return {}; }
    int currentIndex() override { return 0; }
    void setCurrentIndex(int) override {}
    QStringList typefaces() override { return {}; }
    bool printSetupDialog(QWidget*) override { return log("setup"); }
    void beginRun() override { log("run"); }
    void endRun() override { log("endRun"); }
    void beginDoc() override
    {
        log(docOpen() ? "misuse" : "begin");
        canvas_.docs.append(RecordedDoc{});
        if (--failOnBegin == 0)
            throw std::runtime_error("printer gone");
    }
    void endDoc() override { close("end", RecordedDoc::Ended); }
    void abortDoc() override { close("abort", RecordedDoc::Aborted); }
    bool docOpen() const override { return canvas_.docOpen(); }
    int dpiX() override { return canvas_.dpiX(); }
    int dpiY() override { return canvas_.dpiY(); }
    Canvas& canvas() override { return canvas_; }

    QList<RecordedDoc>& docs() { return canvas_.docs; }
    QStringList& symbolFamilies() { return canvas_.symbolFamilies; }

    int failOnBegin = 0;  // the n-th beginDoc throws after opening its document
    QStringList events;

private:
    bool log(const char* event)
    {
        events.append(QString::fromLatin1(event));
        return true;
    }
    void close(const char* event, RecordedDoc::State state)
    {
        log(docOpen() ? event : "misuse");
        if (docOpen())
            canvas_.docs.last().state = state;
    }

    RecordingCanvas canvas_;
};

// The window as the job sees it: families F00, F01, ...
class FakeHost : public PrintHost {
public:
    int fontCount() override { return int(selected.size()); }
    QString fontName(int index) override { return QStringLiteral("F%1").arg(index, 2, 10, QLatin1Char('0')); }
    bool fontSelected(int index) override { return selected.at(index); }
    int selectedCount() override { return int(selected.count(true)); }
    PrintOptions options() override { return opts; }
    QString headingFontName() override { return QStringLiteral("Heading"); }
    QString sampleText() override { return sample; }
    QString sampleTitle() override { return QStringLiteral("Title"); }
    QStringList chartLines() override { return {QStringLiteral("ABC"), QStringLiteral("abc"), sample}; }
    QString paragraphText() override { return paragraph; }
    QStringList sizeLineTexts() override { return sizeLines; }
    void processEvents() override
    {
        if (onPump)
            onPump(++pumps);
    }
    void refillFontList() override {}
    CharacterCoverage characterCoverage(const QString& family) override
    {
        return {coverage.value(family), {}};
    }

    // n entries, the first k of them selected.
    void setFamilies(int n, int k)
    {
        selected.clear();
        for (int i = 0; i < n; ++i)
            selected.append(i < k);
    }

    QList<bool> selected;
    PrintOptions opts;
    QString sample = QStringLiteral("The quick brown fox jumps over the lazy dog.");
    QString paragraph = QStringLiteral("Fish & chips");
    QStringList sizeLines{"Eight", "Nine",     "Ten",        "Eleven",      "Twelve",    "Fourteen",
                          "Sixteen", "Eighteen", "Twenty-four", "Thirty-six", "Forty-eight", "Sixty"};
    int pumps = 0;
    std::function<void(int pump)> onPump;
    QMap<QString, QList<FontFileFace::CoveragePage>> coverage;
};

// Progress captions and message boxes in one log, in the order they appear.
class ProgressLog : public PrintProgress, public MessageBoxes {
public:
    void setSelectedCaption(const QString& text) override { log.append(text); }
    void setPrintedCaption(const QString& text) override { log.append(text); }
    void showProgress() override { log.append(QStringLiteral("show")); }
    void hideProgress() override { log.append(QStringLiteral("hide")); }
    void showSavedFile(const QString& path) override { log.append(QStringLiteral("saved ") + path); }
    void error(QWidget*, const QString& text) override { log.append(QStringLiteral("error: ") + text); }
    void warning(QWidget*, const QString&) override {}
    void information(QWidget*, const QString&) override {}
    bool confirm(QWidget*, const QString&) override { return false; }

    QStringList log;
};
