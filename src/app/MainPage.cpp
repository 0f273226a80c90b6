#include "app/MainPage.h"

#include "app/DesignLayout.h"
#include "app/FormDesign.h"
#include "app/SampleTexts.h"
#include "app/TfrmVariations.h"
#include "catalogue/FontCatalogue.h"
#include "catalogue/FontLibrary.h"
#include "catalogue/FamilyFilter.h"
#include "catalogue/FontListModel.h"
#include "catalogue/FontQuery.h"
#include "catalogue/ListedFamilies.h"
#include "catalogue/SpecimenSettings.h"
#include "platform/AsWritten.h"
#include "platform/ErrorReporter.h"
#include "platform/FontService.h"
#include "platform/Platform.h"
#include "platform/PrinterService.h"
#include "printing/PrintHost.h"
#include "printing/PrintJob.h"
#include "printing/TfrmPrinting.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QActionGroup>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace {

constexpr int FontListRowHeight = 13;
constexpr int FindBoxHeight = 21;

const QString FindHint = QStringLiteral(
    "Find fonts: every term must hold.\n"
    "noto serif: words in the family name\n"
    "lang:ru: writes a language (vi, ja, hi, ar, zh-tw, ...)\n"
    "has:\u20B9 or \"text\": has every character\n"
    "type:truetype, type:opentype, type:type1\n"
    "style:bold, style:italic\n"
    "is:off, is:on: switched off or on\n"
    "Ctrl+F finds, Esc clears.");

const QString NoScreenFontSample = QStringLiteral(
    "This font does not have an equivalent screen font\nand cannot be displayed.");

// Rows of one fixed height, so the list never measures its thousands of items.
class FixedRowDelegate : public QStyledItemDelegate {
public:
    FixedRowDelegate(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
    }

private:
    int height_;
};

}  // namespace

MainPage::MainPage(Platform& platform, FontLibrary& library, SpecimenSettings& specimens,
                   const FormDesign& design, const SampleTexts& texts)
    : texts_(texts), platform_(platform), library_(library), catalogue_(library.catalogue()),
      specimens_(specimens)
{
    setObjectName(QStringLiteral("tabMain"));
    const FormDesign& d = design;

    lblFonts = d.label(this, QStringLiteral("lblFonts"), QStringLiteral("Fonts"), 8, 6, 110, 16);
    lblSelected =
        d.label(this, QStringLiteral("lblSelected"), QStringLiteral("Selected"), 118, 6, 118, 16);
    lblSelected->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fontsLabelWidth_ = lblFonts->width();

    QFrame* panel = d.sunkenPanel(this, QStringLiteral("Panel1"), 8, 24, 228, 372, true);
    families_ = new FontListModel(this);
    listed_ = new ListedFamilies(*families_, this);
    filter_ = std::make_unique<FamilyFilter>(platform_.fonts);
    // Above the list inside its panel, so that every control of the page
    // keeps its designed place.
    edtFind = new QLineEdit(panel);
    edtFind->setObjectName(QStringLiteral("edtFind"));
    edtFind->setPlaceholderText(QStringLiteral("Find fonts"));
    edtFind->setToolTip(FindHint);
    edtFind->setClearButtonEnabled(true);
    // A paste of pages is cut to what a query reads, before the box lays it out.
    edtFind->setMaxLength(int(FontQuery::MaxLength));
    edtFind->installEventFilter(this);
    refilterTimer_ = new QTimer(this);
    refilterTimer_->setSingleShot(true);
    refilterTimer_->setInterval(0);
    connect(edtFind, &QLineEdit::textChanged, refilterTimer_, qOverload<>(&QTimer::start));
    connect(refilterTimer_, &QTimer::timeout, this,
            reportingErrors(platform_.errors, "edtFindChange", [this] { refilter(); }));
    lstFonts = new QListView(panel);
    lstFonts->setObjectName(QStringLiteral("lstFonts"));
    lstFonts->setModel(listed_);
    selection_ = lstFonts->selectionModel();
    lstFonts->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstFonts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstFonts->setFrameShape(QFrame::NoFrame);
    lstFonts->setUniformItemSizes(true);
    lstFonts->setItemDelegate(new FixedRowDelegate(d.px(FontListRowHeight), lstFonts));
    makeWhite(lstFonts);
    {
        const QRect inner = panel->contentsRect();
        const int row = d.px(FontListRowHeight);
        const int box = d.px(FindBoxHeight);
        edtFind->setGeometry(inner.x(), inner.y(), inner.width(), box);
        lstFonts->setGeometry(inner.x(), inner.y() + box, inner.width(),
                              (inner.height() - box) / row * row);
        auto* inPanel = new DesignLayout(panel, panel->size());
        inPanel->add(edtFind, {0, 0, 1, 0});
        inPanel->add(lstFonts, {0, 0, 1, 1});
    }
    // The family shown follows the current row alone; a selection change that
    // leaves it where it was changes only the count.
    connect(selection_, &QItemSelectionModel::currentChanged, this,
            reportingErrors(platform_.errors, "lstFontsClick", [this] {
                if (!quiet_)
                    lstFontsClick();
            }));
    connect(selection_, &QItemSelectionModel::selectionChanged, this, [this] {
        drawn_.reset();
        if (!quiet_)
            showSelectedCount(selectedCount());
    });
    const auto forgetDrawn = [this] { drawn_.reset(); };
    connect(listed_, &QAbstractItemModel::modelReset, this, forgetDrawn);
    connect(&library_, &FontLibrary::changed, this, [this] {
        FillFontList();
        if (shownOnce_)
            lstFontsClick();
    });
    connect(&library_, &FontLibrary::installed, this, &MainPage::markFirstFont);
    connect(&library_, &FontLibrary::switched, this, &MainPage::followSwitch);
    lstFonts->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lstFonts, &QWidget::customContextMenuRequested, this, &MainPage::showListMenu);

    // Every letter of "Select All" is the access key of a page tab or of a
    // control on this page, so the button takes the desktop's Select All key.
    cmdSelectAll = d.button(this, QStringLiteral("cmdSelectAll"), QStringLiteral("Select All"), 8,
                            404, 110, 25);
    cmdSelectAll->setToolTip(QStringLiteral("Select all fonts (%1)")
                                 .arg(QKeySequence(QKeySequence::SelectAll)
                                          .toString(QKeySequence::NativeText)));
    connect(cmdSelectAll, &QPushButton::clicked, this, &MainPage::cmdSelectAllClick);
    auto* selectAllKey = new QShortcut(QKeySequence::SelectAll, this);
    selectAllKey->setContext(Qt::WidgetWithChildrenShortcut);
    connect(selectAllKey, &QShortcut::activated, this, &MainPage::cmdSelectAllClick);
    cmdHeadingFont = d.button(this, QStringLiteral("cmdHeadingFont"),
                              QStringLiteral("Set Hea&ding Font"), 126, 404, 110, 25);
    connect(cmdHeadingFont, &QPushButton::clicked, this,
            reportingErrors(platform_.errors, "cmdHeadingFontClick", [this] { cmdHeadingFontClick(); }));
    cmdFontDetails = d.button(this, QStringLiteral("cmdFontDetails"),
                              QStringLiteral("Font Details..."), 248, 404, 110, 25);
    connect(cmdFontDetails, &QPushButton::clicked, this, &MainPage::fontDetailsRequested);

    lblSample = d.label(this, QStringLiteral("lblSample"), QStringLiteral("Sample"), 248, 6, 428, 16);
    memDispFont = new QPlainTextEdit(this);
    memDispFont->setObjectName(QStringLiteral("memDispFont"));
    // Tab goes on to the next control, as in every memo of the window.
    memDispFont->setTabChangesFocus(true);
    memDispFont->setFont(systemFont());
    d.place(memDispFont, 248, 24, 383, 77);
    lblFontType = d.label(this, QStringLiteral("lblFontType"), QString(), 248, 106, 428, 16);
    lblStyles = d.label(this, QStringLiteral("lblStyles"), QString(), 248, 124, 428, 30);
    lblStyles->setWordWrap(true);
    lblStyles->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* sampleGroup = new QGroupBox(this);
    sampleGroup->setObjectName(QStringLiteral("GroupBox1"));
    d.place(sampleGroup, 248, 156, 428, 42);
    QLabel* sizeLabel =
        d.label(sampleGroup, QStringLiteral("Label1"), QStringLiteral("Si&ze"), 10, 15, 28, 16);
    spnPointSize = d.spinBox(sampleGroup, QStringLiteral("spnPointSize"), 4, 20, 12, 40, 12);
    sizeLabel->setBuddy(spnPointSize);
    chkSampleBold =
        d.checkBox(sampleGroup, QStringLiteral("chkSampleBold"), QStringLiteral("Bold"), 110, 13, 64);
    chkSampleItalic = d.checkBox(sampleGroup, QStringLiteral("chkSampleItalic"),
                                 QStringLiteral("Italic"), 180, 13, 64);
    // Restoring a box's state fires these as a user's change does.
    connect(spnPointSize, &QSpinBox::valueChanged, this, &MainPage::spnPointSizeChange);
    connect(chkSampleBold, &QCheckBox::toggled, this, &MainPage::chkSampleBoldClick);
    connect(chkSampleItalic, &QCheckBox::toggled, this, &MainPage::chkSampleItalicClick);
    connect(&specimens_, &SpecimenSettings::changed, this, &MainPage::restyleDispFont);
    cmdVariations = d.button(sampleGroup, QStringLiteral("cmdVariations"),
                             QStringLiteral("&Variations..."), 300, 10, 118, 24);
    connect(cmdVariations, &QPushButton::clicked, this, &MainPage::cmdVariationsClick);

    auto* options = new QGroupBox(QStringLiteral("Print Options"), this);
    options->setObjectName(QStringLiteral("GroupBox2"));
    d.place(options, 248, 204, 428, 192);
    chkSample = d.checkBox(options, QStringLiteral("chkSample"),
                           QStringLiteral("&Sample Text (3 lines)"), 10, 20, 164);
    chkShortSample = d.checkBox(options, QStringLiteral("chkShortSample"),
                                QStringLiteral("Sample Text (1 line)"), 10, 42, 164);
    QLabel* sampleSizeLabel =
        d.label(options, QStringLiteral("Label5"), QStringLiteral("Size"), 28, 68, 30, 16);
    spnSampleSize = d.spinBox(options, QStringLiteral("spnSampleSize"), 4, 60, 11, 60, 65);
    sampleSizeLabel->setBuddy(spnSampleSize);
    chkCharChart = d.checkBox(options, QStringLiteral("chkCharChart"),
                              QStringLiteral("&Character Chart"), 10, 94, 164);
    chkFullPage = d.checkBox(options, QStringLiteral("chkFullPage"),
                             QStringLiteral("F&ull Page Sample"), 10, 116, 164);
    chkPara = d.checkBox(options, QStringLiteral("chkPara"), QStringLiteral("&Text Paragraphs"), 10,
                         138, 164);
    chkBold = d.checkBox(options, QStringLiteral("chkBold"), QStringLiteral("Bold"), 10, 164, 70);
    chkItalic =
        d.checkBox(options, QStringLiteral("chkItalic"), QStringLiteral("Italic"), 84, 164, 70);
    // Not among the saved controls: every run starts with the design's chart.
    chkAllChars = d.checkBox(options, QStringLiteral("chkAllChars"), QStringLiteral("All characters"),
                             180, 164, 120);
    chkAllChars->setEnabled(false);
    connect(chkCharChart, &QCheckBox::toggled, chkAllChars, &QCheckBox::setEnabled);

    auto* sizes = new QGroupBox(QStringLiteral(" Paragraph Point Sizes "), options);
    sizes->setObjectName(QStringLiteral("GroupBox3"));
    d.place(sizes, 180, 16, 238, 126);
    const char* const paragraphCaptions[] = {"7",    "7.5", "8",  "8.5", "9",  "9.5", "10",
                                             "10.5", "11",  "11.5", "12", "13", "14"};
    for (const char* caption : paragraphCaptions) {
        const QString text = QString::fromLatin1(caption);
        const int index = int(paragraphSizes.size());
        paragraphSizes.append(d.checkBox(sizes, QStringLiteral("chkPara") + QString(text).remove(u'.'),
                                         text, 12 + index % 4 * 56, 22 + index / 4 * 24, 52));
    }

    cmdPrintSetup = d.button(this, QStringLiteral("cmdPrintSetup"), QStringLiteral("P&rint Setup"),
                             476, 404, 96, 25);
    cmdPrint = d.button(this, QStringLiteral("cmdPrint"), QStringLiteral("&Print"), 580, 404, 96, 25);
    connect(cmdPrint, &QPushButton::clicked, this,
            reportingErrors(platform_.errors, "cmdPrintClick", [this] { cmdPrintClick(); }));
    connect(cmdPrintSetup, &QPushButton::clicked, this,
            reportingErrors(platform_.errors, "cmdPrintSetupClick", [this] { cmdPrintSetupClick(); }));

    // A third of the extra width goes to the list, the rest to the sample;
    // the list and the sample take the extra height, the options keep their size.
    constexpr double List = 1.0 / 3;
    auto* layout = new DesignLayout(this, {});
    layout->add(lblSelected, {List, 0, List, 0});
    layout->add(panel, {0, 0, List, 1});
    for (QWidget* below : {cmdSelectAll, cmdHeadingFont})
        layout->add(below, {0, 1, 0, 1});
    layout->add(cmdFontDetails, {List, 1, List, 1});
    for (QWidget* right : {cmdPrintSetup, cmdPrint})
        layout->add(right, {1, 1, 1, 1});
    layout->add(lblSample, {List, 0, 1, 0});
    layout->add(memDispFont, {List, 0, 1, 1});
    for (QWidget* line : std::initializer_list<QWidget*>{lblFontType, lblStyles, sampleGroup})
        layout->add(line, {List, 1, 1, 1});
    layout->add(options, {List, 1, List, 1});
}

MainPage::~MainPage() = default;

bool MainPage::eventFilter(QObject* watched, QEvent* event)
{
    // Esc empties the box; elsewhere it has nothing to do on this page.
    if (watched == edtFind && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !edtFind->text().isEmpty()) {
        edtFind->clear();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MainPage::applySampleBoxes()
{
    QFont sampleFont = memDispFont->font();
    sampleFont.setPointSize(spnPointSize->value());
    sampleFont.setBold(chkSampleBold->isChecked());
    sampleFont.setItalic(chkSampleItalic->isChecked());
    memDispFont->setFont(sampleFont);
}

void MainPage::FillFontList()
{
    {
        const QScopedValueRollback quiet(quiet_, true);
        const QStringList& families = library_.families();
        filter_->setFamilies(families);
        filter_->setSwitchedOff(library_.switchedOff());
        families_->setFamilies(families, library_.switchedOff());
        listFound();
        if (listed_->rowCount() > 0)
            selection_->setCurrentIndex(listed_->index(0, 0), QItemSelectionModel::ClearAndSelect);
    }
    showFontCount();
}

void MainPage::markFirstFont()
{
    if (listed_->rowCount() > 0)
        selection_->select(listed_->index(0, 0), QItemSelectionModel::Select);
    showFontCount();
    lblFonts->repaint();
}

void MainPage::focusFind()
{
    edtFind->setFocus(Qt::ShortcutFocusReason);
    edtFind->selectAll();
}

void MainPage::listFound()
{
    refilterTimer_->stop();
    const FontQuery query(edtFind->text());
    QString tip = FindHint;
    if (query.isEmpty()) {
        listed_->listAll();
    } else {
        const FamilyFilter::Result found = filter_->match(query);
        listed_->setListed(found.listed);
        if (!found.notUnderstood.isEmpty())
            tip = QStringLiteral("Not understood, so nothing is listed: %1\n\n")
                      .arg(found.notUnderstood.join(QStringLiteral(", ")))
                  + FindHint;
    }
    edtFind->setToolTip(asWritten(tip));
}

void MainPage::refilter()
{
    // Kept by row of the whole list: the listed rows are new after the filter.
    std::vector<int> selected;
    for (const int row : selectedRows())
        selected.push_back(listed_->sourceRow(row));
    const QModelIndex current = selection_->currentIndex();
    relist(selected, current.isValid() ? listed_->sourceRow(current.row()) : -1);
}

void MainPage::followSwitch()
{
    const QStringList selected = selectedFamilies();
    const QString current = selection_->currentIndex().isValid() ? currentFamily() : QString();
    {
        const QScopedValueRollback quiet(quiet_, true);
        const QStringList& families = library_.families();
        filter_->setFamilies(families);
        filter_->setSwitchedOff(library_.switchedOff());
        families_->setFamilies(families, library_.switchedOff());
    }
    QHash<QString, int> rows;
    for (int row = 0; row < families_->rowCount(); ++row)
        rows.insert(families_->family(row), row);
    std::vector<int> kept;
    for (const QString& family : selected)
        if (const auto it = rows.constFind(family); it != rows.cend())
            kept.push_back(*it);
    std::sort(kept.begin(), kept.end());
    relist(kept, rows.value(current, -1));
    // The same name may stand for other faces now.
    if (currentFamily() == current)
        lstFontsClick();
}

void MainPage::relist(const std::vector<int>& selected, int currentSource)
{
    {
        const QScopedValueRollback quiet(quiet_, true);
        listFound();
        // Runs of rows as one range each: a range per row would make every
        // later question to the selection scan thousands of them.
        QItemSelection kept;
        for (std::size_t i = 0; i < selected.size();) {
            const int first = listed_->listedRow(selected[i]);
            int last = first;
            ++i;
            while (first >= 0 && i < selected.size() && listed_->listedRow(selected[i]) == last + 1) {
                ++last;
                ++i;
            }
            if (first >= 0)
                kept.append(QItemSelectionRange(listed_->index(first, 0), listed_->index(last, 0)));
        }
        int row = listed_->listedRow(currentSource);
        if (row < 0 && listed_->rowCount() > 0) {
            row = 0;
            // As a fresh list starts: its current family selected.
            if (kept.isEmpty())
                kept.select(listed_->index(0, 0), listed_->index(0, 0));
        }
        selection_->select(kept, QItemSelectionModel::ClearAndSelect);
        if (row >= 0) {
            selection_->setCurrentIndex(listed_->index(row, 0), QItemSelectionModel::NoUpdate);
            lstFonts->scrollTo(listed_->index(row, 0));
        }
    }
    showFontCount();
    if (currentFamily() != catalogue_.CurrentFontName())
        lstFontsClick();
    else
        showSelectedCount(selectedCount());
}

void MainPage::showFontCount()
{
    lblFonts->setText(listed_->filtering()
                          ? QStringLiteral("Fonts: %1 of %2")
                                .arg(listed_->rowCount())
                                .arg(catalogue_.FontCount())
                          : QStringLiteral("Fonts: %1").arg(catalogue_.FontCount()));
    // "Fonts: 10000 of 12023" needs more than the designed width; the count on
    // the right is aligned to the other end and drawn over it.
    lblFonts->resize(std::max(fontsLabelWidth_, lblFonts->sizeHint().width()),
                     lblFonts->height());
}

std::vector<int> MainPage::selectedRows() const
{
    // Ranges may overlap after a mix of clicks; a row counts once, in list order.
    std::vector<bool> selected(std::size_t(listed_->rowCount()), false);
    for (const QItemSelectionRange& range : selection_->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            if (row >= 0 && std::size_t(row) < selected.size())
                selected[std::size_t(row)] = true;
    std::vector<int> rows;
    for (std::size_t row = 0; row < selected.size(); ++row)
        if (selected[row])
            rows.push_back(int(row));
    return rows;
}

int MainPage::selectedCount() const { return int(selectedRows().size()); }

void MainPage::showSelectedCount(int count)
{
    catalogue_.setSelectedCount(count);
    lblSelected->setText(QStringLiteral("Selected: %1").arg(count));
}

QString MainPage::currentFamily() const
{
    const QModelIndex current = selection_->currentIndex();
    return current.isValid() ? listed_->family(current.row()) : QString();
}

void MainPage::lstFontsClick()
{
    shownOnce_ = true;
    const bool exists = selection_->currentIndex().isValid();
    const QString name = currentFamily();
    catalogue_.showCurrent(name, exists, selectedCount());

    const QFont memoFont = memDispFont->font();
    QFont sampleFont;
    if (catalogue_.NoScreenFont()) {
        sampleFont = systemFont();
        sampleFont.setBold(chkSampleBold->isChecked());
        sampleFont.setItalic(chkSampleItalic->isChecked());
    } else {
        // The boxes hold the style: a face's own weight may read as bold.
        sampleFont = platform_.fonts.makeFont(specimens_.specimen(
            name, chkSampleBold->isChecked(), chkSampleItalic->isChecked()));
    }
    sampleFont.setPointSizeF(memoFont.pointSizeF());
    memDispFont->setFont(sampleFont);
    if (!exists)
        memDispFont->clear();
    else if (catalogue_.NoScreenFont())
        memDispFont->setPlainText(NoScreenFontSample);
    else
        memDispFont->setPlainText(SampleTexts::Alphabets + texts_.sample());

    lblSample->setText(QStringLiteral("Sample: ") + name);
    showVariationsOf(name);
    lblSelected->setText(QStringLiteral("Selected: %1").arg(catalogue_.SelectedCount()));
    lblStyles->setText(catalogue_.stylesLabel());
    emit currentFamilyShown();
    lblFontType->setText(QStringLiteral("Font Type: ") + catalogue_.CurrentFontType());
}

void MainPage::cmdSelectAllClick()
{
    {
        // One selection of the whole range: the list redraws once.
        const QScopedValueRollback quiet(quiet_, true);
        lstFonts->selectAll();
    }
    showSelectedCount(listed_->rowCount());
}

void MainPage::spnPointSizeChange(int value)
{
    if (!inRange(value, spnPointSize))
        return;
    QFont font = memDispFont->font();
    font.setPointSize(value);
    memDispFont->setFont(font);
}

void MainPage::restyleDispFont()
{
    const QString family = catalogue_.NoScreenFont() ? QString() : catalogue_.CurrentFontName();
    memDispFont->setFont(
        styledFont(platform_.fonts, memDispFont->font(),
                   specimens_.specimen(family, chkSampleBold->isChecked(),
                                       chkSampleItalic->isChecked())));
}

void MainPage::chkSampleBoldClick() { restyleDispFont(); }

void MainPage::showVariationsOf(const QString& face)
{
    if (variations_ && variations_->isVisible())
        variations_->showFamily(face);
}

void MainPage::cmdVariationsClick()
{
    const bool first = !variations_;
    if (first)
        variations_ = new TfrmVariations(platform_.fonts, specimens_, window());
    variations_->showFamily(currentFamily());
    variations_->show();
    if (first) {
        // Beside the window where the screen has room, so that the sample shows.
        const QRect screen = window()->screen()->availableGeometry();
        const QRect frame = window()->frameGeometry();
        if (frame.right() + variations_->frameGeometry().width() < screen.right())
            variations_->move(frame.right() + 8, frame.top());
    }
    variations_->raise();
    variations_->activateWindow();
}

void MainPage::chkSampleItalicClick() { restyleDispFont(); }

void MainPage::cmdHeadingFontClick()
{
    // An empty list offers no family to take.
    if (selection_->currentIndex().isValid())
        emit headingFontChosen(currentFamily());
}

bool MainPage::sampleBold() const { return chkSampleBold->isChecked(); }

bool MainPage::sampleItalic() const { return chkSampleItalic->isChecked(); }

void MainPage::focusFontList() { lstFonts->setFocus(); }

QStringList MainPage::selectedFamilies() const
{
    QStringList families;
    for (const int row : selectedRows())
        families << listed_->family(row);
    return families;
}

void MainPage::addListAction(QAction* action) { listActions_ << action; }

void MainPage::showSwitched(int off)
{
    QStringList words = edtFind->text().split(u' ', Qt::SkipEmptyParts);
    words.removeIf([](const QString& word) {
        return word.compare(QStringLiteral("is:on"), Qt::CaseInsensitive) == 0
               || word.compare(QStringLiteral("is:off"), Qt::CaseInsensitive) == 0;
    });
    if (off >= 0)
        words << (off ? QStringLiteral("is:off") : QStringLiteral("is:on"));
    edtFind->setText(words.join(u' '));
}

void MainPage::showListMenu(const QPoint& at)
{
    emit listMenuAboutToShow();
    QMenu menu(this);
    menu.addActions(listActions_);
    if (!listActions_.isEmpty())
        menu.addSeparator();
    const FontQuery query(edtFind->text());
    int shown = -1;
    for (const FontQuery::Term& term : query.terms())
        if (term.kind == FontQuery::Term::Kind::Switched)
            shown = term.off ? 1 : 0;
    auto* choice = new QActionGroup(&menu);
    const std::pair<int, QString> choices[] = {{-1, QStringLiteral("Show &All Fonts")},
                                               {0, QStringLiteral("Show A&ctive Fonts")},
                                               {1, QStringLiteral("Show Switched O&ff Fonts")}};
    for (const auto& [off, text] : choices) {
        QAction* action = menu.addAction(text, this, [this, off = off] { showSwitched(off); });
        action->setCheckable(true);
        action->setChecked(off == shown);
        choice->addAction(action);
    }
    menu.exec(lstFonts->viewport()->mapToGlobal(at));
}

QStringList MainPage::drawnFamilies() const
{
    if (drawn_ && drawn_->screenFontsVersion == catalogue_.screenFontsVersion())
        return drawn_->families;
    QStringList families;
    for (const int row : selectedRows()) {
        const QString name = listed_->family(row);
        if (row < catalogue_.FontCount() && catalogue_.isScreenFont(name))
            families.append(name);
    }
    drawn_ = Drawn{families, catalogue_.screenFontsVersion()};
    return families;
}

// The window as the print job reads it: every value at the moment of use.
class MainPage::PrintHostAdapter : public PrintHost {
public:
    explicit PrintHostAdapter(MainPage& page) : p_(page) {}

    int fontCount() override { return p_.listed_->rowCount(); }
    QString fontName(int index) override { return p_.listed_->family(index); }
    bool fontSelected(int index) override
    {
        return p_.selection_->isSelected(p_.listed_->index(index, 0));
    }
    int selectedCount() override { return p_.catalogue_.SelectedCount(); }

    PrintOptions options() override
    {
        PrintOptions o;
        o.sample = p_.chkSample->isChecked();
        o.shortSample = p_.chkShortSample->isChecked();
        o.charChart = p_.chkCharChart->isChecked();
        o.allChars = p_.chkAllChars->isChecked();
        o.fullPage = p_.chkFullPage->isChecked();
        o.para = p_.chkPara->isChecked();
        o.bold = p_.chkBold->isChecked();
        o.italic = p_.chkItalic->isChecked();
        o.sampleSize = p_.spnSampleSize->value();
        o.variations = p_.specimens_.variations();
        for (std::size_t i = 0; i < o.paraSizes.size(); ++i)
            o.paraSizes[i] = p_.paragraphSizes[qsizetype(i)]->isChecked();
        return o;
    }

    CharacterCoverage characterCoverage(const QString& family) override
    {
        return {p_.platform_.fonts.characterCoverage(family), p_.platform_.blockNames};
    }
    QString headingFontName() override { return p_.texts_.headingFont(); }
    QString sampleText() override { return p_.texts_.sample(); }
    QString sampleTitle() override { return p_.texts_.title(); }
    QString paragraphText() override { return p_.texts_.paragraph(); }
    QStringList sizeLineTexts() override { return p_.texts_.sizeLines(); }
    QStringList chartLines() override { return p_.texts_.chartLines(); }

    void processEvents() override { QCoreApplication::processEvents(); }
    void refillFontList() override { p_.library_.printerChanged(); }

private:
    MainPage& p_;
};

void MainPage::setPrintingDialog(TfrmPrinting* dialog, PrintState& state)
{
    printHost_ = std::make_unique<PrintHostAdapter>(*this);
    printJob_ = std::make_unique<PrintJob>(platform_.printer, platform_.messages, *printHost_,
                                           *dialog, state, this);
}

void MainPage::cmdPrintClick()
{
    if (printJob_)
        printJob_->print();
}

void MainPage::cmdPrintSetupClick()
{
    if (printJob_)
        printJob_->printSetup();
}
