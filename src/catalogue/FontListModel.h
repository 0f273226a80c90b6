#pragma once

#include <QAbstractListModel>
#include <QSet>
#include <QStringList>

// The installed families as the list shows them, one row each, in the order
// the catalogue gives them. A view, a filter or a print job reads rows here;
// which rows are selected is the selection model's business.
class FontListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // One reset for the whole list: thousands of rows inserted one by one
    // would each be announced.
    // Switched-off families are listed, marked as off.
    void setFamilies(QStringList families, QSet<QString> switchedOff = {});
    const QStringList& families() const { return families_; }
    QString family(int row) const { return families_.value(row); }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QStringList families_;
    QSet<QString> switchedOff_;
};
