#pragma once

#include "fakes/RecordingCanvas.h"
#include "platform/MessageBoxes.h"
#include "platform/PrinterService.h"
#include "printing/PrintHost.h"
#include "printing/PrintProgress.h"

#include <QStringList>

#include <functional>

// A printer whose documents land on a recording canvas.
class RecordingPrinter : public PrinterService {
public:
    explicit RecordingPrinter(int dpiX = 300, int dpiY = 300)
        : canvas_(dpiX, dpiY)
    {
    }

    QStringList printers() override { return {QStringLiteral("One"), QStringLiteral("Two")}; }
    int currentIndex() override { return current; }
    void setCurrentIndex(int index) override { current = index; }
    QStringList typefaces() override { return {}; }
    bool printSetupDialog(QWidget*) override
    {
        ++setupDialogs;
        current = indexAfterSetup;
        return true;
    }
    void beginRun() override { events.append(QStringLiteral("run")); }
    void endRun() override { events.append(QStringLiteral("endRun")); }
    void beginDoc() override
    {
        if (canvas_.docOpen())
            misuse.append(QStringLiteral("begin while open"));
        events.append(QStringLiteral("begin"));
        canvas_.beginDoc();
        if (failOnBegin > 0 && --failOnBegin == 0)
            throw std::runtime_error("printer gone");
    }
    void endDoc() override
    {
        if (!canvas_.docOpen())
            misuse.append(QStringLiteral("end while closed"));
        events.append(QStringLiteral("end"));
        canvas_.endDoc();
    }
    void abortDoc() override
    {
        if (!canvas_.docOpen())
            misuse.append(QStringLiteral("abort while closed"));
        events.append(QStringLiteral("abort"));
        canvas_.abortDoc();
    }
    bool docOpen() const override { return canvas_.docOpen(); }
    int dpiX() override { return canvas_.dpiX(); }
    int dpiY() override { return canvas_.dpiY(); }
    Canvas& canvas() override { return canvas_; }

    RecordingCanvas& recorder() { return canvas_; }
    QList<RecordedDoc>& docs() { return canvas_.docs; }

    int current = 0;
    int indexAfterSetup = 0;
    int setupDialogs = 0;
    int failOnBegin = 0;  // the n-th beginDoc throws after opening its document
    QStringList events;
    QStringList misuse;

private:
    RecordingCanvas canvas_;
};

// The window as the job sees it.
class FakeHost : public PrintHost {
public:
    struct Entry {
        QString name;
        bool selected;
    };

    int fontCount() override { return int(fonts.size()); }
    QString fontName(int index) override { return fonts.at(index).name; }
    bool fontSelected(int index) override { return fonts.at(index).selected; }
    int selectedCount() override
    {
        int n = 0;
        for (const Entry& e : fonts)
            n += e.selected ? 1 : 0;
        return n;
    }
    PrintOptions options() override { return opts; }
    QString headingFontName() override { return heading; }
    QString sampleText() override { return sample; }
    QString sampleTitle() override { return title; }
    QStringList chartLines() override
    {
        return {QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), QStringLiteral("abcdefghijklmnopqrstuvwxyz"),
                sample};
    }
    void processEvents() override
    {
        ++pumps;
        if (onPump)
            onPump(pumps);
    }
    void refillFontList() override { ++refills; }

    // n families named F00, F01, ...; the first `selected` of them selected.
    void setFamilies(int n, int selected)
    {
        fonts.clear();
        for (int i = 0; i < n; ++i)
            fonts.append({QStringLiteral("F%1").arg(i, 2, 10, QLatin1Char('0')), i < selected});
    }

    QList<Entry> fonts;
    PrintOptions opts;
    QString heading = QStringLiteral("Heading");
    QString sample = QStringLiteral("The quick brown fox jumps over the lazy dog.");
    QString title = QStringLiteral("Title");
    int pumps = 0;
    int refills = 0;
    std::function<void(int pump)> onPump;
};

class FakeProgress : public PrintProgress {
public:
    void setSelectedCaption(const QString& text) override { log.append(QStringLiteral("selected ") + text); }
    void setPrintedCaption(const QString& text) override { log.append(text); }
    void showProgress() override
    {
        if (!visible)
            log.append(QStringLiteral("show"));
        visible = true;
    }
    void hideProgress() override
    {
        log.append(QStringLiteral("hide"));
        visible = false;
    }

    QStringList log;
    bool visible = false;
};

class LoggingMessages : public MessageBoxes {
public:
    explicit LoggingMessages(QStringList& log)
        : log_(log)
    {
    }
    void error(QWidget*, const QString& text) override { log_.append(QStringLiteral("error ") + text); }
    void warning(QWidget*, const QString& text) override { log_.append(QStringLiteral("warning ") + text); }
    void information(QWidget*, const QString& text) override { log_.append(QStringLiteral("info ") + text); }
    bool confirm(QWidget*, const QString& text) override
    {
        log_.append(QStringLiteral("confirm ") + text);
        return false;
    }

private:
    QStringList& log_;
};
