#include "platform/linux/PdfJoin.h"

#include <QFile>
#include <QIODevice>

// Without qpdf's retired smart pointer.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <stdexcept>

namespace {

class DevicePipeline : public Pipeline {
public:
    explicit DevicePipeline(QIODevice& device)
        : Pipeline("joined PDF", nullptr)
        , device_(device)
    {
    }

    void write(unsigned char const* data, size_t len) override
    {
        if (device_.write(reinterpret_cast<const char*>(data), qint64(len)) != qint64(len))
            throw std::runtime_error("the joined PDF could not be written");
    }
    void finish() override {}

private:
    QIODevice& device_;
};

void open(QPDF& pdf, const QString& file)
{
    // The files are our own: a damaged one fails the join rather than being
    // repaired into pages that lack what they had.
    pdf.setAttemptRecovery(false);
    pdf.setSuppressWarnings(true);
    pdf.processFile(QFile::encodeName(file).constData());
}

}  // namespace

bool joinPdfFiles(const QStringList& files, QIODevice& out)
{
    if (files.isEmpty())
        return false;
    try {
        QPDF joined;
        open(joined, files.first());
        QPDFPageDocumentHelper pages(joined);
        for (qsizetype i = 1; i < files.size(); ++i) {
            // Copied objects outlive their document: only its file is read again.
            QPDF part;
            open(part, files.at(i));
            for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(part).getAllPages())
                pages.addPage(page, false);
        }
        QPDFWriter writer(joined);
        DevicePipeline device(out);
        writer.setOutputPipeline(&device);
        // The pages and fonts go out as Qt wrote them.
        writer.setDecodeLevel(qpdf_dl_none);
        writer.setCompressStreams(false);
        writer.write();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
