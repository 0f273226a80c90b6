#include "platform/linux/PdfJoin.h"

#include <QFile>
#include <QIODevice>
#include <QUuid>

// Without qpdf's retired smart pointer.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjGen.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

#include <cstdio>
#include <deque>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

void open(QPDF& pdf, const QString& file)
{
    // The files are our own: a damaged one fails the join rather than being
    // repaired into pages that lack what they had.
    pdf.setAttemptRecovery(false);
    pdf.setSuppressWarnings(true);
    pdf.processFile(QFile::encodeName(file).constData());
}

std::string reference(int id)
{
    return std::to_string(id) + " 0 R";
}

// Writes the joined document as its files are read: each file's objects go
// out under new numbers as soon as its pages are reached, and only the
// offsets of the objects written and the numbers of the pages stay until the
// page tree and the cross-reference table end the document. A whole-document
// writer would hold every file's objects until then.
class StreamingJoin {
public:
    StreamingJoin(QIODevice& out, const std::atomic<bool>& stop)
        : out_(out), stop_(stop)
    {
    }

    void add(const QString& file)
    {
        QPDF part;
        open(part, file);
        QPDFPageDocumentHelper pages(part);
        // A page takes nothing from the tree it leaves.
        pages.pushInheritedAttributesToPage();
        if (offsets_.empty())
            begin(part);
        for (QPDFPageObjectHelper& page : pages.getAllPages())
            pages_.push_back(idOf(page.getObjectHandle()));
        while (!pending_.empty()) {
            const auto [id, object] = pending_.front();
            pending_.pop_front();
            if (stop_)
                throw std::runtime_error("the join was stopped");
            write(id, object);
        }
        ids_.clear();
    }

    void finish()
    {
        std::string kids;
        for (const int page : pages_)
            kids += reference(page) + ' ';
        start(pagesId_);
        put("<< /Type /Pages /Kids [ " + kids + "] /Count " + std::to_string(pages_.size())
            + " >>\nendobj\n");

        const qint64 xref = written_;
        put("xref\n0 " + std::to_string(offsets_.size() + 1) + "\n0000000000 65535 f \n");
        for (const qint64 offset : offsets_) {
            char entry[32];
            std::snprintf(entry, sizeof entry, "%010lld 00000 n \n", static_cast<long long>(offset));
            put(entry);
        }
        put("trailer\n<< /Size " + std::to_string(offsets_.size() + 1) + " /Root "
            + reference(catalogId_) + trailerExtras_ + " >>\nstartxref\n" + std::to_string(xref)
            + "\n%%EOF\n");
    }

private:
    // The first file gives the document its version, catalogue and information.
    void begin(QPDF& first)
    {
        put("%PDF-" + first.getPDFVersion() + "\n%\xbf\xf7\xa2\xfe\n");
        catalogId_ = reserve();
        pagesId_ = reserve();
        QPDFObjectHandle trailer = first.getTrailer();
        if (QPDFObjectHandle info = trailer.getKey("/Info"); info.isIndirect())
            trailerExtras_ += " /Info " + reference(idOf(info));
        // Readers and caches tell documents apart by it; Qt writes none.
        if (QPDFObjectHandle id = trailer.getKey("/ID"); id.isArray()) {
            trailerExtras_ += " /ID " + direct(id);
        } else {
            const std::string hex = QUuid::createUuid().toRfc4122().toHex().toStdString();
            trailerExtras_ += " /ID [<" + hex + "><" + hex + ">]";
        }
        QPDFObjectHandle root = first.getRoot();
        ids_[root.getObjGen()] = catalogId_;
        write(catalogId_, root);
    }

    int reserve()
    {
        offsets_.push_back(-1);
        return int(offsets_.size());
    }

    // The new number of a file's object, written once the file's pages are.
    int idOf(QPDFObjectHandle object)
    {
        const auto [known, added] = ids_.try_emplace(object.getObjGen(), 0);
        if (added) {
            known->second = reserve();
            pending_.emplace_back(known->second, object);
        }
        return known->second;
    }

    void start(int id)
    {
        offsets_[std::size_t(id) - 1] = written_;
        put(std::to_string(id) + " 0 obj\n");
    }

    void write(int id, QPDFObjectHandle object)
    {
        start(id);
        if (!object.isStream()) {
            put(direct(object, tree(id, object)) + "\nendobj\n");
            return;
        }
        // Streams go out as they were written, compressed or not.
        const std::shared_ptr<Buffer> data = object.getRawStreamData();
        std::string dictionary = "<<";
        for (auto& [key, value] : object.getDict().ditems()) {
            if (key != "/Length")
                dictionary += ' ' + QPDFObjectHandle::newName(key).unparse() + ' ' + direct(value);
        }
        put(dictionary + " /Length " + std::to_string(data->getSize()) + " >>\nstream\n");
        put(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
        put("\nendstream\nendobj\n");
    }

    // The key that is given a reference of the joined document's own: a
    // page's parent, the catalogue's pages.
    std::string tree(int id, QPDFObjectHandle object)
    {
        if (id == catalogId_)
            return "/Pages";
        return object.isDictionaryOfType("/Page") ? "/Parent" : std::string();
    }

    std::string direct(QPDFObjectHandle object, const std::string& ownTree = {})
    {
        switch (object.getTypeCode()) {
        case ::ot_array: {
            std::string text = "[";
            for (QPDFObjectHandle item : object.aitems())
                text += ' ' + value(item);
            return text + " ]";
        }
        case ::ot_dictionary: {
            std::string text = "<<";
            for (auto& [key, item] : object.ditems()) {
                text += ' ' + QPDFObjectHandle::newName(key).unparse() + ' ';
                text += key == ownTree ? reference(pagesId_) : value(item);
            }
            return text + " >>";
        }
        default:
            return object.unparse();
        }
    }

    std::string value(QPDFObjectHandle object)
    {
        return object.isIndirect() ? reference(idOf(object)) : direct(object);
    }

    void put(const std::string& text) { put(text.data(), text.size()); }
    void put(const char* data, std::size_t size)
    {
        if (out_.write(data, qint64(size)) != qint64(size))
            throw std::runtime_error("the joined PDF could not be written");
        written_ += qint64(size);
    }

    QIODevice& out_;
    const std::atomic<bool>& stop_;
    qint64 written_ = 0;
    std::vector<qint64> offsets_;  // by new number, from 1
    std::vector<int> pages_;
    int catalogId_ = 0;
    int pagesId_ = 0;
    std::string trailerExtras_;
    // The file being read: its objects' new numbers, and those still to write.
    std::map<QPDFObjGen, int> ids_;
    std::deque<std::pair<int, QPDFObjectHandle>> pending_;
};

}  // namespace

bool joinPdfFiles(const QStringList& files, QIODevice& out, const std::atomic<bool>& stop)
{
    if (files.isEmpty())
        return false;
    try {
        StreamingJoin join(out, stop);
        for (const QString& file : files)
            join.add(file);
        join.finish();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
