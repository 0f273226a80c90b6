#include "app/TfrmFontDetails.h"

#include "help/URLLabel.h"
#include "platform/Shell.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kBlocksShown = 6;
// A font may name thousands; a label of them all would take seconds to lay out.
constexpr int kInstancesShown = 100;

const QString NotStated = QStringLiteral("not stated");

// A word too long for a line is cut off at the edge rather than widening the
// page past the window; the rest wraps.
QSizePolicy wrappingPolicy()
{
    QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    return policy;
}

QLabel* valueLabel(const QString& text, const QString& name, QWidget* parent)
{
    auto* label = new QLabel(text.isEmpty() ? NotStated : text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setEnabled(!text.isEmpty());
    label->setSizePolicy(wrappingPolicy());
    return label;
}

// A web address as a link; anything else, or nothing, as text.
QWidget* linkLabel(Shell& shell, const QString& text, const QString& name, QWidget* parent)
{
    const QUrl url = webAddress(text);
    if (url.isEmpty())
        return valueLabel(text, name, parent);
    auto* label = new URLLabel(shell, text, url, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setSizePolicy(wrappingPolicy());
    return label;
}

QString blocksText(const QList<FaceDetails::Block>& blocks)
{
    QStringList shown;
    for (qsizetype i = 0; i < blocks.size() && i < kBlocksShown; ++i)
        shown << QStringLiteral("%1 (%2)").arg(blocks[i].name).arg(blocks[i].characters);
    if (blocks.size() > kBlocksShown)
        shown << QStringLiteral("and %1 more").arg(blocks.size() - kBlocksShown);
    return shown.join(QStringLiteral(", "));
}

QString axesText(const QList<VariationSpace::Axis>& axes)
{
    QStringList lines;
    for (const VariationSpace::Axis& axis : axes)
        lines << QStringLiteral("%1 (%2): %3 to %4, default %5%6")
                     .arg(axis.name, axis.tag)
                     .arg(axis.minimum)
                     .arg(axis.maximum)
                     .arg(axis.defaultValue)
                     .arg(axis.hidden ? QStringLiteral(", hidden") : QString());
    return lines.join(u'\n');
}

QString instancesText(const QList<VariationSpace::Instance>& instances)
{
    QStringList lines;
    for (qsizetype i = 0; i < instances.size() && i < kInstancesShown; ++i) {
        QStringList at;
        for (auto c = instances[i].coordinates.begin(); c != instances[i].coordinates.end(); ++c)
            at << QStringLiteral("%1 %2").arg(c.key()).arg(c.value());
        lines << instances[i].name + QStringLiteral(": ") + at.join(QStringLiteral(", "));
    }
    if (instances.size() > kInstancesShown)
        lines << QStringLiteral("and %1 more").arg(instances.size() - kInstancesShown);
    return lines.join(u'\n');
}

QString installedText(FaceDetails::Installed installed)
{
    switch (installed) {
    case FaceDetails::Installed::ForThisUser:
        return QStringLiteral("For this user");
    case FaceDetails::Installed::ForAllUsers:
        return QStringLiteral("For all users");
    case FaceDetails::Installed::No:
        break;
    }
    return QStringLiteral("Not installed");
}

}  // namespace

TfrmFontDetails::TfrmFontDetails(FontService& fonts, const UnicodeBlockNames& blockNames,
                                 Shell& shell, const QString& userFontsFolder, QWidget* owner,
                                 double scale)
    : QDialog(owner), fonts_(fonts), blockNames_(blockNames), shell_(shell),
      userFontsFolder_(userFontsFolder)
{
    setObjectName(QStringLiteral("frmFontDetails"));
    setWindowTitle(QStringLiteral("Font Details"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    lblSubject = new QLabel(this);
    lblSubject->setObjectName(QStringLiteral("lblSubject"));
    lblSubject->setTextFormat(Qt::PlainText);
    lblSubject->setWordWrap(true);
    lblSubject->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(lblSubject);
    tabFaces = new QTabWidget(this);
    tabFaces->setObjectName(QStringLiteral("tabFaces"));
    tabFaces->setUsesScrollButtons(true);
    layout->addWidget(tabFaces, 1);
    connect(tabFaces, &QTabWidget::currentChanged, this, &TfrmFontDetails::fillTab);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    resize(qRound(560 * scale), qRound(560 * scale));
}

void TfrmFontDetails::showFamily(const QString& family)
{
    const QString subject = QStringLiteral("Family: ") + family;
    if (subject == shown_)
        return;
    showFaces(subject, familyDetails(fonts_, blockNames_, family, userFontsFolder_),
              QStringLiteral("No font file on this computer holds this family: it is the "
                             "printer's own font."));
}

void TfrmFontDetails::showFile(const QString& path)
{
    const QString subject = QStringLiteral("File: ") + path;
    if (subject == shown_)
        return;
    showFaces(subject, fileDetails(fonts_, blockNames_, path, userFontsFolder_),
              QStringLiteral("No font can be read from this file."));
}

void TfrmFontDetails::showNothing()
{
    showFaces(QString(), {}, QStringLiteral("No font is chosen."));
}

void TfrmFontDetails::showFaces(const QString& subject, const QList<FaceDetails>& faces,
                                const QString& noFaces)
{
    shown_ = subject;
    lblSubject->setText(subject.isEmpty() ? noFaces : subject);
    // The same tab stays open from one family to the next.
    const int tab = tabFaces->currentIndex();
    faces_ = faces;
    {
        // A tab's fields are made when it is first shown: a family of twenty
        // faces would otherwise wait for hundreds of labels.
        const QSignalBlocker blocker(tabFaces);
        while (tabFaces->count() > 0) {
            QWidget* page = tabFaces->widget(0);
            tabFaces->removeTab(0);
            delete page;
        }
        for (const FaceDetails& face : faces) {
            auto* scroll = new QScrollArea;
            scroll->setWidgetResizable(true);
            scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            scroll->setFrameShape(QFrame::NoFrame);
            const QString title = face.styleName.isEmpty() ? face.names[2] : face.styleName;
            tabFaces->addTab(scroll, title.isEmpty() ? NotStated : title);
        }
        tabFaces->setCurrentIndex(std::min(std::max(tab, 0), int(tabFaces->count()) - 1));
    }
    if (faces.isEmpty() && !subject.isEmpty())
        lblSubject->setText(subject + u'\n' + noFaces);
    fillTab(tabFaces->currentIndex());
}

void TfrmFontDetails::fillTab(int index)
{
    auto* scroll = qobject_cast<QScrollArea*>(tabFaces->widget(index));
    if (scroll && !scroll->widget() && index < faces_.size())
        scroll->setWidget(facePage(faces_[index]));
}

QWidget* TfrmFontDetails::facePage(const FaceDetails& face)
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    const FontNameStrings& n = face.names;
    const auto text = [&](const QString& caption, const QString& value, const char* name) {
        form->addRow(caption, valueLabel(value, QLatin1String(name), page));
    };
    const auto link = [&](const QString& caption, const QString& value, const char* name) {
        form->addRow(caption, linkLabel(shell_, value, QLatin1String(name), page));
    };

    text(QStringLiteral("Full name:"), n[4], "fullName");
    text(QStringLiteral("Style:"), n[2], "style");
    {
        auto* row = new QWidget(page);
        auto* rowLayout = new QHBoxLayout(row);
        rowLayout->setContentsMargins(0, 0, 0, 0);
        rowLayout->addWidget(valueLabel(face.path, QStringLiteral("path"), row), 1);
        auto* showInFolder = new QPushButton(QStringLiteral("Show in Folder"), row);
        showInFolder->setObjectName(QStringLiteral("cmdShowInFolder"));
        const QString folder = QFileInfo(face.path).absolutePath();
        connect(showInFolder, &QPushButton::clicked, this,
                [this, folder] { shell_.openUrl(QUrl::fromLocalFile(folder)); });
        rowLayout->addWidget(showInFolder, 0, Qt::AlignTop);
        form->addRow(QStringLiteral("File:"), row);
    }
    text(QStringLiteral("Format:"), face.format, "format");
    text(QStringLiteral("Version:"), n[5], "version");
    text(QStringLiteral("Unique ID:"), n[3], "uniqueId");
    text(QStringLiteral("Glyphs:"), face.glyphCount < 0 ? QString() : QString::number(face.glyphCount),
         "glyphs");
    text(QStringLiteral("Characters:"), QString::number(face.characterCount), "characters");
    text(QStringLiteral("Unicode blocks:"), blocksText(face.blocks), "blocks");
    QStringList allBlocks;
    for (const FaceDetails::Block& block : face.blocks)
        allBlocks << QStringLiteral("%1 (%2)").arg(block.name).arg(block.characters);
    page->findChild<QLabel*>(QStringLiteral("blocks"))->setToolTip(allBlocks.join(u'\n'));
    text(QStringLiteral("Languages:"), languageNames(face.languages, QLocale()).join(QStringLiteral(", ")),
         "languages");
    text(QStringLiteral("Installed:"), installedText(face.installed), "installed");
    if (!face.variations.axes.isEmpty()) {
        text(QStringLiteral("Axes:"), axesText(face.variations.axes), "axes");
        text(QStringLiteral("Named instances:"), instancesText(face.variations.instances),
             "instances");
    }
    text(QStringLiteral("Designer:"), n[9], "designer");
    link(QStringLiteral("Designer URL:"), n[12], "designerUrl");
    text(QStringLiteral("Manufacturer:"), n[8], "manufacturer");
    link(QStringLiteral("Vendor URL:"), n[11], "vendorUrl");
    text(QStringLiteral("Copyright:"), n[0], "copyright");
    text(QStringLiteral("Trademark:"), n[7], "trademark");
    text(QStringLiteral("License:"), n[13], "license");
    link(QStringLiteral("License URL:"), n[14], "licenseUrl");
    text(QStringLiteral("Description:"), n[10], "description");
    return page;
}
