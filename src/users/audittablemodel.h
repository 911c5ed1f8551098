#pragma once

#include "auditrecord.h"

#include <QAbstractTableModel>
#include <QVector>

// Rows of the audit trail as read from the store, in the order given, with
// their times in local time and their actions named for the operator.
class AuditTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Time, User, Station, Action, Controller, Variable, Before, Sent, Confirmed, Detail, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setRecords(const QVector<AuditRecord> &records);
    const AuditRecord &recordAt(int row) const { return m_records.at(row); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    static QString actionText(AuditRecord::Action action);

private:
    QString displayText(const AuditRecord &r, int column) const;

    QVector<AuditRecord> m_records;
};
