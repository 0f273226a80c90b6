#include "catalogue/FontListModel.h"

#include <utility>

void FontListModel::setFamilies(QStringList families)
{
    beginResetModel();
    families_ = std::move(families);
    endResetModel();
}

int FontListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(families_.size());
}

QVariant FontListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= families_.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return families_.at(index.row());
    return {};
}
