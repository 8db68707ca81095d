#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariantList>

// The rows of a registry file read through a connection of the test's own, ordered by ID.
inline QList<QVariantList> registryRows(const QString &fileName)
{
    static int serial = 0;
    const QString name = QStringLiteral("test-rows-%1").arg(++serial);
    QList<QVariantList> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(fileName);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("select * from devices order by ID"));
            while (q.next()) {
                QVariantList row;
                for (int c = 0; c < q.record().count(); ++c)
                    row.append(q.value(c));
                rows.append(row);
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}
