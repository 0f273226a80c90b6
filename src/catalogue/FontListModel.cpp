#include "catalogue/FontListModel.h"

#include <QFont>
#include <QGuiApplication>
#include <QPalette>

#include <utility>

void FontListModel::setFamilies(QStringList families, QSet<QString> switchedOff)
{
    beginResetModel();
    families_ = std::move(families);
    switchedOff_ = std::move(switchedOff);
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
    if (switchedOff_.isEmpty() || !switchedOff_.contains(families_.at(index.row())))
        return {};
    // Off: greyed and slanted, and said in words for a screen reader.
    switch (role) {
    case Qt::ForegroundRole:
        return QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text);
    case Qt::FontRole: {
        QFont font;
        font.setItalic(true);
        return font;
    }
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return QStringLiteral("Switched off: other programs don't list it");
    default:
        return {};
    }
}
