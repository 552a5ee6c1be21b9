#pragma once
// One demo database per test suite, created in a temporary directory; each test opens its
// own connection to it.

#include "appserver/database/DemoDatabase.h"
#include "platform/sql/DatabaseConnection.h"
#include "platform/sql/SqlStatement.h"
#include "support/QtPrinters.h"

#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>

namespace ger {

class SeededDatabase {
public:
    static void SetUp() {
        s_dir = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(s_dir->isValid());
        DemoDatabase::Create(Path());
    }
    static void TearDown() { s_dir.reset(); }
    static QString Path() { return s_dir->filePath(QStringLiteral("demo.db")); }

    static SqlRowSet Select(DatabaseConnection& connection, const QString& sql) {
        SqlStatement statement(connection, sql);
        return statement.select();
    }

    static QString Scalar(DatabaseConnection& connection, const QString& sql) {
        const SqlRowSet rows = Select(connection, sql);
        return rows.isEmpty() ? QString() : rows.rows().front().front().value_or(QString());
    }

    static int Count(DatabaseConnection& connection, const QString& sql) {
        return Scalar(connection, sql).toInt();
    }

private:
    static inline std::unique_ptr<QTemporaryDir> s_dir;
};

} // namespace ger
