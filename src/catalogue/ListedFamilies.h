#pragma once

#include <QAbstractProxyModel>
#include <QBitArray>

#include <vector>

class FontListModel;

// The rows of the family list that the find box lets through, in list order;
// every row while no filter is on. A new filter is one reset rather than a
// signal for each run of rows hidden or shown, which among thousands of
// scattered rows would cost more than the filter itself. The list it stands
// over changes by resets alone.
class ListedFamilies : public QAbstractProxyModel {
    Q_OBJECT
public:
    explicit ListedFamilies(FontListModel& families, QObject* parent = nullptr);

    // Lists the families whose bit is set, by their row in the whole list.
    void setListed(const QBitArray& listed);
    void listAll();
    bool filtering() const { return filtering_; }

    QString family(int row) const;
    // The row in the whole list; -1 for a row that isn't listed.
    int sourceRow(int row) const;
    // The listed row of a row of the whole list, or -1.
    int listedRow(int sourceRow) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex& sourceIndex) const override;

private:
    void rebuild(const QBitArray* listed);

    FontListModel& families_;
    bool filtering_ = false;
    std::vector<int> rows_;      // listed row -> row of the whole list
    std::vector<int> listedAt_;  // row of the whole list -> listed row, or -1
};
