#include "PdfReadBack.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

// Without qpdf's retired smart pointer.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/Pl_Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

#include <exception>

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

PdfReadBack::PdfReadBack(const QString& path)
{
    const QString xhtml = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    static const QRegularExpression tag(QStringLiteral(
        R"re(<page |<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re"));
    for (auto it = tag.globalMatch(xhtml); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0) == QLatin1String("<page ")) {
            ++pages;
            continue;
        }
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        QString text = m.captured(5);
        text.replace(QLatin1String("&lt;"), QLatin1String("<"))
            .replace(QLatin1String("&gt;"), QLatin1String(">"))
            .replace(QLatin1String("&quot;"), QLatin1String("\""))
            .replace(QLatin1String("&amp;"), QLatin1String("&"));
        words.append({pages - 1, QRectF(topLeft, bottomRight), text});
    }

    static const QRegularExpression info(QStringLiteral(R"(^(Title|Creator): *(.*)$)"),
                                         QRegularExpression::MultilineOption);
    for (auto it = info.globalMatch(run(QStringLiteral("pdfinfo"), {path})); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        (m.captured(1) == QLatin1String("Title") ? title : creator) = m.captured(2);
    }

    try {
        QPDF pdf;
        pdf.processFile(QFile::encodeName(path).constData());
        for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
            Pl_Buffer buffer("contents");
            page.pipeContents(&buffer);
            const std::shared_ptr<Buffer> bytes = buffer.getBufferSharedPointer();
            contents.append(QByteArray(reinterpret_cast<const char*>(bytes->getBuffer()),
                                       qsizetype(bytes->getSize())));
        }
    } catch (const std::exception&) {
        contents.clear();  // a file qpdf cannot read has no pages to look into
    }

    // Columns are fixed-width, laid out by the dashes of the second line.
    const QStringList lines = run(QStringLiteral("pdffonts"), {path}).split(QLatin1Char('\n'));
    if (lines.size() < 2)
        return;
    QList<std::pair<qsizetype, qsizetype>> columns;
    static const QRegularExpression dashes(QStringLiteral("-+"));
    for (auto it = dashes.globalMatch(lines[1]); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        columns.append({m.capturedStart(), m.capturedLength()});
    }
    if (columns.size() < 4)
        return;
    const auto field = [&](const QString& line, int column) {
        return line.mid(columns[column].first, columns[column].second).trimmed();
    };
    for (const QString& line : lines.mid(2)) {
        if (!line.trimmed().isEmpty())
            fonts.append({field(line, 0), field(line, 1), field(line, 3) == QLatin1String("yes")});
    }
}

const PdfReadBack::Word* PdfReadBack::find(const QString& text, int page) const
{
    for (const Word& word : words) {
        if (word.text == text && (page < 0 || word.page == page))
            return &word;
    }
    return nullptr;
}
