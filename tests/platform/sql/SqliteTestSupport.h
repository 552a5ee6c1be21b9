#pragma once
// A fresh SQLite company database file per test, opened through DatabaseConnection.

#include "platform/sql/DatabaseConnection.h"
#include "platform/sql/SqlStatement.h"
#include "support/QtPrinters.h"

#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>

namespace ger {

class SqliteTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        db = std::make_unique<DatabaseConnection>(path(),
                                                  DatabaseConnection::OpenMode::CreateIfMissing);
    }

    QString path() const { return m_dir.filePath(QStringLiteral("test.db")); }

    // The first column of the first row of a statement without parameters.
    SqlValue scalar(const QString& sql) { return scalar(*db, sql); }

    static SqlValue scalar(DatabaseConnection& connection, const QString& sql) {
        SqlStatement statement(connection, sql);
        const SqlRowSet rows = statement.select();
        if (rows.isEmpty())
            ADD_FAILURE() << "no row from " << sql.toStdString();
        return rows.isEmpty() ? SqlValue() : rows.rows().front().front();
    }

    QTemporaryDir m_dir;
    std::unique_ptr<DatabaseConnection> db;
};

} // namespace ger
