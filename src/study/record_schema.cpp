#include "study/record_schema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <array>

namespace {

// Version 1: each answer and each place of an attempt's list carries its question's identity.
const QStringList to_version_1 = {
    QStringLiteral("PRAGMA application_id = %1").arg(record_application_id),
    QStringLiteral("CREATE TABLE attempts ("
                   " id INTEGER PRIMARY KEY,"
                   " started INTEGER NOT NULL,"
                   " ended INTEGER,"
                   " ending TEXT,"
                   " bank TEXT NOT NULL,"
                   " bank_title TEXT NOT NULL,"
                   " kind TEXT NOT NULL,"
                   " show_when_right INTEGER NOT NULL,"
                   " show_when_wrong INTEGER NOT NULL,"
                   " shuffle_questions INTEGER NOT NULL,"
                   " shuffle_answers INTEGER NOT NULL,"
                   " minutes INTEGER NOT NULL)"),
    QStringLiteral("CREATE TABLE attempt_questions ("
                   " attempt INTEGER NOT NULL REFERENCES attempts (id),"
                   " position INTEGER NOT NULL,"
                   " record INTEGER NOT NULL,"
                   " identity BLOB NOT NULL,"
                   " PRIMARY KEY (attempt, position)) WITHOUT ROWID"),
    QStringLiteral("CREATE TABLE answers ("
                   " attempt INTEGER NOT NULL REFERENCES attempts (id),"
                   " position INTEGER NOT NULL,"
                   " record INTEGER NOT NULL,"
                   " identity BLOB NOT NULL,"
                   " shown TEXT NOT NULL,"
                   " pressed TEXT NOT NULL,"
                   " typed TEXT NOT NULL,"
                   " is_right INTEGER NOT NULL,"
                   " seconds INTEGER NOT NULL,"
                   " answered INTEGER NOT NULL,"
                   " PRIMARY KEY (attempt, position)) WITHOUT ROWID"),
};

// Version 2: the identities, 20 bytes each, once in a table of their own; the rows refer to
// them by number, which makes a year of study about 40% smaller.
const QStringList to_version_2 = {
    QStringLiteral("CREATE TABLE questions ("
                   " id INTEGER PRIMARY KEY,"
                   " identity BLOB NOT NULL UNIQUE)"),
    QStringLiteral("INSERT OR IGNORE INTO questions (identity)"
                   " SELECT identity FROM attempt_questions UNION SELECT identity FROM answers"),
    QStringLiteral("ALTER TABLE attempt_questions RENAME TO attempt_questions_1"),
    QStringLiteral("CREATE TABLE attempt_questions ("
                   " attempt INTEGER NOT NULL REFERENCES attempts (id),"
                   " position INTEGER NOT NULL,"
                   " record INTEGER NOT NULL,"
                   " question INTEGER NOT NULL REFERENCES questions (id),"
                   " PRIMARY KEY (attempt, position)) WITHOUT ROWID"),
    QStringLiteral("INSERT INTO attempt_questions"
                   " SELECT attempt, position, record, questions.id"
                   " FROM attempt_questions_1 JOIN questions USING (identity)"),
    QStringLiteral("DROP TABLE attempt_questions_1"),
    QStringLiteral("ALTER TABLE answers RENAME TO answers_1"),
    QStringLiteral("CREATE TABLE answers ("
                   " attempt INTEGER NOT NULL REFERENCES attempts (id),"
                   " position INTEGER NOT NULL,"
                   " record INTEGER NOT NULL,"
                   " question INTEGER NOT NULL REFERENCES questions (id),"
                   " shown TEXT NOT NULL,"
                   " pressed TEXT NOT NULL,"
                   " typed TEXT NOT NULL,"
                   " is_right INTEGER NOT NULL,"
                   " seconds INTEGER NOT NULL,"
                   " answered INTEGER NOT NULL,"
                   " PRIMARY KEY (attempt, position)) WITHOUT ROWID"),
    QStringLiteral("INSERT INTO answers"
                   " SELECT attempt, position, record, questions.id, shown, pressed, typed,"
                   " is_right, seconds, answered FROM answers_1 JOIN questions USING (identity)"),
    QStringLiteral("DROP TABLE answers_1"),
};

const std::array<const QStringList*, record_version> steps = {&to_version_1, &to_version_2};

} // namespace

QSqlError upgrade_record(QSqlDatabase& database, int version)
{
    QSqlQuery query(database);
    for (int step = version; step < record_version; ++step) {
        for (const QString& statement : *steps[static_cast<std::size_t>(step)]) {
            if (!query.exec(statement))
                return query.lastError();
        }
    }
    query.exec(QStringLiteral("PRAGMA user_version = %1").arg(record_version));
    return query.lastError();
}
