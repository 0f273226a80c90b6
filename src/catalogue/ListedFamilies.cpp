#include "catalogue/ListedFamilies.h"

#include "catalogue/FontListModel.h"

ListedFamilies::ListedFamilies(FontListModel& families, QObject* parent)
    : QAbstractProxyModel(parent), families_(families)
{
    QAbstractProxyModel::setSourceModel(&families_);
    connect(&families_, &QAbstractItemModel::modelAboutToBeReset, this,
            &ListedFamilies::beginResetModel);
    connect(&families_, &QAbstractItemModel::modelReset, this, [this] {
        filtering_ = false;
        rebuild(nullptr);
        endResetModel();
    });
    rebuild(nullptr);
}

void ListedFamilies::setListed(const QBitArray& listed)
{
    beginResetModel();
    filtering_ = true;
    rebuild(&listed);
    endResetModel();
}

void ListedFamilies::listAll()
{
    beginResetModel();
    filtering_ = false;
    rebuild(nullptr);
    endResetModel();
}

void ListedFamilies::rebuild(const QBitArray* listed)
{
    const int count = families_.rowCount();
    rows_.clear();
    listedAt_.assign(std::size_t(count), -1);
    for (int row = 0; row < count; ++row) {
        if (!listed || (row < listed->size() && listed->testBit(row))) {
            listedAt_[std::size_t(row)] = int(rows_.size());
            rows_.push_back(row);
        }
    }
}

QString ListedFamilies::family(int row) const { return families_.family(sourceRow(row)); }

int ListedFamilies::sourceRow(int row) const
{
    return row >= 0 && std::size_t(row) < rows_.size() ? rows_[std::size_t(row)] : -1;
}

int ListedFamilies::listedRow(int sourceRow) const
{
    return sourceRow >= 0 && std::size_t(sourceRow) < listedAt_.size()
               ? listedAt_[std::size_t(sourceRow)]
               : -1;
}

QModelIndex ListedFamilies::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || column != 0 || sourceRow(row) < 0)
        return {};
    return createIndex(row, column);
}

QModelIndex ListedFamilies::parent(const QModelIndex&) const { return {}; }

int ListedFamilies::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int ListedFamilies::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 1; }

QModelIndex ListedFamilies::mapToSource(const QModelIndex& proxyIndex) const
{
    if (!proxyIndex.isValid())
        return {};
    return families_.index(sourceRow(proxyIndex.row()));
}

QModelIndex ListedFamilies::mapFromSource(const QModelIndex& sourceIndex) const
{
    if (!sourceIndex.isValid())
        return {};
    return index(listedRow(sourceIndex.row()), 0);
}
