#pragma once

#include <QStringList>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class FamilyFilter;
class FontCatalogue;
class FontLibrary;
class FontListModel;
class ListedFamilies;
class SpecimenSettings;
class TfrmVariations;
class FormDesign;
class PrintJob;
struct PrintState;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QItemSelectionModel;
class QListView;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTimer;
class SampleTexts;
class TfrmPrinting;
struct Platform;

// The Main page: the installed-font list, the sample of the current family
// and the print options.
class MainPage : public QWidget {
    Q_OBJECT
public:
    // The list follows the library: refilled whenever its families change.
    MainPage(Platform& platform, FontLibrary& library, SpecimenSettings& specimens,
             const FormDesign& design, const SampleTexts& texts);
    ~MainPage() override;

    void FillFontList();
    void lstFontsClick();
    void cmdSelectAllClick();
    // The size handler takes the value, since a value out of the box's range
    // is ignored, from the user or from restored settings.
    void spnPointSizeChange(int value);
    void chkSampleBoldClick();
    void chkSampleItalicClick();
    // The axis settings, for the current family.
    void cmdVariationsClick();
    // The open axis settings show those of face: a family, or a previewed file.
    void showVariationsOf(const QString& face);
    void cmdHeadingFontClick();
    void cmdPrintClick();
    void cmdPrintSetupClick();

    // The print job, once the printing dialog exists.
    void setPrintingDialog(TfrmPrinting* dialog, PrintState& state);
    // After an install run: the first family joins the selection, and the
    // count label reads the list's size. The list is refilled only when the
    // user leaves the Preview/Install page.
    void markFirstFont();
    // The memo follows the size and style boxes as restored.
    void applySampleBoxes();
    // Selected entries that the screen can draw, in list order.
    QStringList drawnFamilies() const;
    // Selected entries, in list order.
    QStringList selectedFamilies() const;
    // Commands on the selected families, offered by the list's context menu
    // above its choice of what to list.
    void addListAction(QAction* action);
    // The style boxes of the sample, which Show All follows.
    bool sampleBold() const;
    bool sampleItalic() const;
    void focusFontList();
    // The find box takes the keys, its text chosen so that typing replaces it.
    void focusFind();

signals:
    void fontDetailsRequested();
    // The family shown is another, or shown anew.
    void currentFamilyShown();
    // The user asks for face as the heading font.
    void headingFontChosen(const QString& face);
    // The list's context menu is about to show its commands.
    void listMenuAboutToShow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class PrintHostAdapter;

    QLabel* lblFonts = nullptr;
    QLabel* lblSelected = nullptr;
    QLabel* lblSample = nullptr;
    QLabel* lblFontType = nullptr;
    QLabel* lblStyles = nullptr;
    QListView* lstFonts = nullptr;
    QLineEdit* edtFind = nullptr;
    QPlainTextEdit* memDispFont = nullptr;
    QSpinBox* spnPointSize = nullptr;
    QCheckBox* chkSampleBold = nullptr;
    QCheckBox* chkSampleItalic = nullptr;
    QCheckBox* chkBold = nullptr;
    QCheckBox* chkItalic = nullptr;
    QCheckBox* chkSample = nullptr;
    QCheckBox* chkShortSample = nullptr;
    QSpinBox* spnSampleSize = nullptr;
    QCheckBox* chkCharChart = nullptr;
    QCheckBox* chkAllChars = nullptr;
    QCheckBox* chkFullPage = nullptr;
    QCheckBox* chkPara = nullptr;
    // chkPara7 ... chkPara14, smallest first.
    QList<QCheckBox*> paragraphSizes;
    QPushButton* cmdHeadingFont = nullptr;
    QPushButton* cmdSelectAll = nullptr;
    QPushButton* cmdPrintSetup = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdFontDetails = nullptr;
    QPushButton* cmdVariations = nullptr;
    QList<QAction*> listActions_;

    void restyleDispFont();
    // Lists what the find box asks for, keeping the selection and the current
    // family where they are still listed.
    void refilter();
    // Lists anew, selecting these rows of the whole list where they are listed.
    void relist(const std::vector<int>& selectedSource, int currentSource);
    // Switched families: listed again with their marks, selection kept by name.
    void followSwitch();
    // The find box lists every family (-1), the active ones (0) or the
    // switched-off ones (1), its other terms kept.
    void showSwitched(int off);
    void showListMenu(const QPoint& at);
    // Sets the listed rows from the box, before anything is selected in them.
    void listFound();
    void showFontCount();
    // Selected rows of the family list, in list order, each once.
    std::vector<int> selectedRows() const;
    int selectedCount() const;
    void showSelectedCount(int count);
    // The family of the current row; empty when no row is current.
    QString currentFamily() const;

    const SampleTexts& texts_;
    Platform& platform_;
    FontLibrary& library_;
    FontCatalogue& catalogue_;
    SpecimenSettings& specimens_;
    TfrmVariations* variations_ = nullptr;
    FontListModel* families_ = nullptr;
    // What the list shows of families_; rows, selection and printing are its.
    ListedFamilies* listed_ = nullptr;
    std::unique_ptr<FamilyFilter> filter_;
    // A keystroke while a refilter waits replaces it instead of queueing another.
    QTimer* refilterTimer_ = nullptr;
    QItemSelectionModel* selection_ = nullptr;
    // Set while the program itself refills or selects: its caller shows the
    // result once, instead of a handler per step.
    bool quiet_ = false;
    // Until start-up shows the first family, a refill only fills.
    bool shownOnce_ = false;
    int fontsLabelWidth_ = 0;  // as designed
    std::unique_ptr<PrintHostAdapter> printHost_;
    std::unique_ptr<PrintJob> printJob_;
    // Show All asks at every paint; among thousands selected, working it out
    // again each time would slow every scroll step.
    struct Drawn {
        QStringList families;
        int screenFontsVersion = 0;
    };
    mutable std::optional<Drawn> drawn_;
};
