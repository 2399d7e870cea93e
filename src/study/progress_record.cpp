#include "study/progress_record.h"

#include "quiz/review.h"
#include "study/record_schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

#include <algorithm>

namespace {

const QLatin1String driver("QSQLITE");
constexpr int busy_timeout_ms = 5000;
constexpr int sqlite_busy = 5;

// The first 16 bytes of every SQLite database file.
const QByteArray sqlite_header("SQLite format 3\0", 16);

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// A file that is there but cannot be used: it stays as it is.
QString kept(const QString& path, const QString& problem)
{
    return QStringLiteral("The progress record %1 %2; the file is kept as it is, and nothing is "
                          "recorded in this run.")
        .arg(shown(path), problem);
}

QString not_writable(const QString& path, const QString& reason)
{
    return QStringLiteral("The progress record %1 cannot be written (%2), so nothing is recorded "
                          "in this run.")
        .arg(shown(path), reason);
}

QString connection_name()
{
    static int opened = 0;
    return QStringLiteral("progress record %1").arg(++opened);
}

bool is_busy(const QSqlError& error)
{
    return (error.nativeErrorCode().toInt() & 0xff) == sqlite_busy;
}

// Why the file cannot be this program's record, before anything is written to it; empty when it
// can. A file of no bytes is a new database, as SQLite sees it.
QString header_problem(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("is a folder");
    if (!info.exists())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot be read (%1)").arg(file.errorString());
    if (file.size() > 0 && file.read(sqlite_header.size()) != sqlite_header)
        return QStringLiteral("is not an SQLite database");
    return {};
}

int pragma(QSqlQuery& query, const QString& name)
{
    if (!query.exec(QStringLiteral("PRAGMA ") + name) || !query.next())
        return -1;
    const int value = query.value(0).toInt();
    // A statement left active would keep its tables locked against the steps that follow.
    query.finish();
    return value;
}

QString content_problem(QSqlDatabase& database)
{
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next()) {
        if (is_busy(query.lastError()))
            return QStringLiteral("stayed locked by another program");
        return QStringLiteral("is damaged (%1)").arg(query.lastError().databaseText());
    }
    const QString verdict = query.value(0).toString();
    if (verdict != QLatin1String("ok")) {
        // The first problem named, without the "*** in database main ***" heading.
        const QStringList lines = verdict.split(QLatin1Char('\n'));
        const auto named = std::find_if(lines.begin(), lines.end(), [](const QString& line) {
            return !line.startsWith(QLatin1String("***"));
        });
        return QStringLiteral("is damaged (%1)").arg(named != lines.end() ? *named : verdict);
    }
    const int application = pragma(query, QStringLiteral("application_id"));
    const int version = pragma(query, QStringLiteral("user_version"));
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_schema")) || !query.next())
        return QStringLiteral("cannot be read (%1)").arg(query.lastError().databaseText());
    const bool empty = query.value(0).toInt() == 0 && version == 0;
    if (application != record_application_id && !empty)
        return QStringLiteral("is an SQLite database of another program");
    if (version > record_version)
        return QStringLiteral("comes from a newer version of the program");
    return {};
}

// The checks run on a connection of their own that cannot write, so that not even SQLite's
// recovery or a checkpoint at closing touches a file that fails them.
QString checked_content(const QString& path)
{
    // Reading a file in WAL mode makes SQLite create the two files beside it; a refused file
    // should not leave them behind.
    const QString wal = path + QStringLiteral("-wal");
    const QString shm = path + QStringLiteral("-shm");
    const bool had_wal = QFileInfo::exists(wal);
    const bool had_shm = QFileInfo::exists(shm);
    const QString name = connection_name();
    QString problem;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(driver, name);
        database.setDatabaseName(path);
        database.setConnectOptions(
            QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(busy_timeout_ms));
        problem =
            database.open()
                ? content_problem(database)
                : QStringLiteral("cannot be read (%1)").arg(database.lastError().databaseText());
        database.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!problem.isEmpty() && !had_wal && QFileInfo(wal).size() == 0) {
        QFile::remove(wal);
        if (!had_shm)
            QFile::remove(shm);
    }
    return problem;
}

// The choice order as digits: "213456".
QString order_text(const ChoiceOrder& order)
{
    QString text;
    for (std::size_t i = 1; i < order.size(); ++i)
        text += QString::number(order[i]);
    return text;
}

// Anything but six digits 1 to 6 reads as the stored order.
ChoiceOrder order_of(const QString& text)
{
    ChoiceOrder order{};
    for (std::size_t i = 1; i < order.size(); ++i) {
        const int digit = text.size() == 6 ? text[static_cast<qsizetype>(i - 1)].digitValue() : 0;
        order[i] = static_cast<std::int16_t>(digit >= 1 && digit <= 6 ? digit : int(i));
    }
    return order;
}

ChoiceFlags flags_of(const QString& letters)
{
    ChoiceFlags flags{};
    for (const QChar letter : letters) {
        const int i = letter.unicode() - u'A' + 1;
        if (i >= 1 && i <= 6)
            flags[static_cast<std::size_t>(i)] = true;
    }
    return flags;
}

QString ending_text(QuizEnd end)
{
    switch (end) {
    case QuizEnd::Finished:
        return QStringLiteral("finished");
    case QuizEnd::Quit:
        return QStringLiteral("quit");
    case QuizEnd::TimeUp:
        return QStringLiteral("time up");
    case QuizEnd::Running:
        break;
    }
    return {};
}

QuizEnd ending_of(const QString& text)
{
    for (const QuizEnd end : {QuizEnd::Finished, QuizEnd::Quit, QuizEnd::TimeUp}) {
        if (text == ending_text(end))
            return end;
    }
    return QuizEnd::Running;
}

// Qt binds a null string as NULL; the columns hold an empty text instead.
QVariant text_value(const QString& text)
{
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

QDateTime utc(const QVariant& seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds.toLongLong(), Qt::UTC);
}

// The question's number in the record, added when new.
QSqlError question_number(QSqlDatabase& database, const QByteArray& identity, qint64& number)
{
    QSqlQuery query(database);
    query.prepare(QStringLiteral("INSERT OR IGNORE INTO questions (identity) VALUES (?)"));
    query.addBindValue(identity);
    if (!query.exec())
        return query.lastError();
    query.prepare(QStringLiteral("SELECT id FROM questions WHERE identity = ?"));
    query.addBindValue(identity);
    if (!query.exec() || !query.next())
        return query.lastError();
    number = query.value(0).toLongLong();
    return {};
}

const QString attempt_columns =
    QStringLiteral("started, bank, bank_title, kind, show_when_right, show_when_wrong, "
                   "shuffle_questions, shuffle_answers, minutes");

// Reads attempt_columns from column `first` on.
AttemptStart attempt_of(const QSqlQuery& query, int first)
{
    AttemptStart start;
    start.started = utc(query.value(first));
    start.bank_identity = query.value(first + 1).toString();
    start.bank_title = query.value(first + 2).toString();
    start.kind = query.value(first + 3).toString();
    start.show_when_right = query.value(first + 4).toBool();
    start.show_when_wrong = query.value(first + 5).toBool();
    start.shuffle_questions = query.value(first + 6).toBool();
    start.shuffle_answers = query.value(first + 7).toBool();
    start.minutes = query.value(first + 8).toInt();
    return start;
}

} // namespace

ProgressRecord::ProgressRecord(QString path, QString connection)
    : path_(std::move(path)), connection_(std::move(connection))
{
}

ProgressRecord::~ProgressRecord()
{
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
}

RecordOpening open_progress_record(const QString& path)
{
    const QString problem = header_problem(path);
    if (!problem.isEmpty())
        return {nullptr, kept(path, problem)};
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return {nullptr, not_writable(path, QStringLiteral("its folder cannot be made"))};
    if (!QSqlDatabase::isDriverAvailable(driver))
        return {nullptr, not_writable(path, QStringLiteral("Qt's SQLite driver is missing"))};

    if (QFileInfo::exists(path)) {
        const QString content = checked_content(path);
        if (!content.isEmpty())
            return {nullptr, kept(path, content)};
    }

    std::unique_ptr<ProgressRecord> record(new ProgressRecord(path, connection_name()));
    QSqlDatabase database = QSqlDatabase::addDatabase(driver, record->connection_);
    database.setDatabaseName(path);
    database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busy_timeout_ms));
    if (!database.open())
        return {nullptr, not_writable(path, database.lastError().databaseText())};

    // Only now may anything be written. WAL lets a second program read and record while this
    // one does; NORMAL syncs at checkpoints only, which a killed program never undoes (a power
    // cut may lose the last answers, not the file).
    QSqlQuery query(database);
    query.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    query.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    // The checkpoint, which syncs the file, waits for the end of the attempt instead of landing
    // on one of its answers.
    query.exec(QStringLiteral("PRAGMA wal_autocheckpoint = 0"));
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return {nullptr, not_writable(path, query.lastError().databaseText())};
    // Another program may have brought the file up to date since the check.
    const int version = pragma(query, QStringLiteral("user_version"));
    if (version < 0) {
        const QString reason = query.lastError().databaseText();
        query.exec(QStringLiteral("ROLLBACK"));
        return {nullptr, not_writable(path, reason)};
    }
    if (version > record_version) {
        query.exec(QStringLiteral("ROLLBACK"));
        return {nullptr, kept(path, QStringLiteral("comes from a newer version of the program"))};
    }
    QSqlError error = version < record_version ? upgrade_record(database, version) : QSqlError();
    if (!error.isValid() && !query.exec(QStringLiteral("COMMIT")))
        error = query.lastError();
    if (error.isValid()) {
        query.exec(QStringLiteral("ROLLBACK"));
        return {nullptr, not_writable(path, error.databaseText())};
    }
    return {std::move(record), {}};
}

QString default_record_path()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("progress.sqlite3"));
}

bool ProgressRecord::write(const std::function<QSqlError(QSqlDatabase&)>& steps)
{
    if (!recording())
        return false;
    // SQLite in WAL mode goes on writing into a file removed under it, and the answers would be
    // lost at the end of the run.
    if (!QFileInfo::exists(path_)) {
        fault_ = QStringLiteral("The progress record %1 was removed while the program ran, so "
                                "nothing more is recorded in this run.")
                     .arg(shown(path_));
        return false;
    }
    QSqlDatabase database = QSqlDatabase::database(connection_, false);
    QSqlQuery query(database);
    QSqlError error =
        query.exec(QStringLiteral("BEGIN IMMEDIATE")) ? steps(database) : query.lastError();
    if (!error.isValid() && !query.exec(QStringLiteral("COMMIT")))
        error = query.lastError();
    if (!error.isValid())
        return true;
    query.exec(QStringLiteral("ROLLBACK"));
    fault_ = QStringLiteral("The progress record %1 could not be written (%2), so nothing more is "
                            "recorded in this run.")
                 .arg(shown(path_), error.databaseText());
    return false;
}

qint64 ProgressRecord::begin_attempt(const AttemptStart& start)
{
    qint64 id = 0;
    const bool written = write([&](QSqlDatabase& database) {
        QSqlQuery query(database);
        query.prepare(QStringLiteral("INSERT INTO attempts (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
                          .arg(attempt_columns));
        for (const QVariant& value :
             {QVariant(start.started.toSecsSinceEpoch()), text_value(start.bank_identity),
              text_value(start.bank_title), text_value(start.kind), QVariant(start.show_when_right),
              QVariant(start.show_when_wrong), QVariant(start.shuffle_questions),
              QVariant(start.shuffle_answers), QVariant(start.minutes)})
            query.addBindValue(value);
        if (!query.exec())
            return query.lastError();
        id = query.lastInsertId().toLongLong();
        query.prepare(QStringLiteral("INSERT INTO attempt_questions VALUES (?, ?, ?, ?)"));
        for (std::size_t i = 0; i < start.records.size(); ++i) {
            qint64 question = 0;
            if (QSqlError error = question_number(database, start.identities.at(i), question);
                error.isValid())
                return error;
            query.addBindValue(id);
            query.addBindValue(static_cast<int>(i + 1));
            query.addBindValue(start.records[i]);
            query.addBindValue(question);
            if (!query.exec())
                return query.lastError();
        }
        return QSqlError();
    });
    return written ? id : 0;
}

bool ProgressRecord::add_answer(const RecordedAnswer& answer)
{
    return write([&](QSqlDatabase& database) {
        qint64 question = 0;
        if (QSqlError error = question_number(database, answer.identity, question); error.isValid())
            return error;
        QSqlQuery query(database);
        query.prepare(QStringLiteral("INSERT INTO answers VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (const QVariant& value :
             {QVariant(answer.attempt), QVariant(answer.position), QVariant(answer.record_number),
              QVariant(question), text_value(order_text(answer.order)),
              text_value(letters_of(answer.pressed)), text_value(answer.typed),
              QVariant(answer.right), QVariant(answer.seconds),
              QVariant(answer.answered.toSecsSinceEpoch())})
            query.addBindValue(value);
        return query.exec() ? QSqlError() : query.lastError();
    });
}

bool ProgressRecord::end_attempt(qint64 attempt, QuizEnd end, const QDateTime& ended)
{
    const bool written = write([&](QSqlDatabase& database) {
        QSqlQuery query(database);
        query.prepare(QStringLiteral("UPDATE attempts SET ended = ?, ending = ? WHERE id = ?"));
        query.addBindValue(ended.toSecsSinceEpoch());
        query.addBindValue(ending_text(end));
        query.addBindValue(attempt);
        return query.exec() ? QSqlError() : query.lastError();
    });
    // Answers stay safe in the WAL file when the checkpoint cannot run, so its result is no
    // write's.
    if (written)
        QSqlQuery(QSqlDatabase::database(connection_, false))
            .exec(QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)"));
    return written;
}

QuizEnd ProgressRecord::ending(qint64 id) const
{
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("SELECT ended, ending FROM attempts WHERE id = ?"));
    query.addBindValue(id);
    if (!query.exec() || !query.next() || query.value(0).isNull())
        return QuizEnd::Running;
    return ending_of(query.value(1).toString());
}

AttemptStart ProgressRecord::attempt(qint64 id) const
{
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.prepare(QStringLiteral("SELECT %1 FROM attempts WHERE id = ?").arg(attempt_columns));
    query.addBindValue(id);
    if (!query.exec() || !query.next())
        return {};
    AttemptStart start = attempt_of(query, 0);
    query.prepare(QStringLiteral("SELECT record, identity FROM attempt_questions"
                                 " JOIN questions ON questions.id = question"
                                 " WHERE attempt = ? ORDER BY position"));
    query.addBindValue(id);
    query.exec();
    while (query.next()) {
        start.records.push_back(query.value(0).toInt());
        start.identities.push_back(query.value(1).toByteArray());
    }
    return start;
}

std::vector<RecordedAnswer> ProgressRecord::answers(qint64 attempt) const
{
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT attempt, position, record, identity, shown, pressed,"
                                 " typed, is_right, seconds, answered"
                                 " FROM answers JOIN questions ON questions.id = question"
                                 " WHERE attempt = ? ORDER BY answered, position"));
    query.addBindValue(attempt);
    query.exec();
    std::vector<RecordedAnswer> answers;
    while (query.next()) {
        RecordedAnswer answer;
        answer.attempt = query.value(0).toLongLong();
        answer.position = query.value(1).toInt();
        answer.record_number = query.value(2).toInt();
        answer.identity = query.value(3).toByteArray();
        answer.order = order_of(query.value(4).toString());
        answer.pressed = flags_of(query.value(5).toString());
        answer.typed = query.value(6).toString();
        answer.right = query.value(7).toBool();
        answer.seconds = query.value(8).toInt();
        answer.answered = utc(query.value(9));
        answers.push_back(std::move(answer));
    }
    return answers;
}

RecordHistory ProgressRecord::history() const
{
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    query.setForwardOnly(true);
    RecordHistory history;
    QHash<qint64, int> index_of;
    query.exec(QStringLiteral("SELECT id, identity FROM questions"));
    while (query.next()) {
        index_of.insert(query.value(0).toLongLong(), static_cast<int>(history.identities.size()));
        history.identities.push_back(query.value(1).toByteArray());
    }

    QHash<qint64, std::size_t> summary_of;
    query.exec(QStringLiteral("SELECT id, ended, ending, %1 FROM attempts"
                              " ORDER BY started DESC, id DESC")
                   .arg(attempt_columns));
    while (query.next()) {
        AttemptSummary summary;
        summary.id = query.value(0).toLongLong();
        if (!query.value(1).isNull()) {
            summary.ended = utc(query.value(1));
            summary.end = ending_of(query.value(2).toString());
        }
        summary.attempt = attempt_of(query, 3);
        summary_of.insert(summary.id, history.attempts.size());
        history.attempts.push_back(std::move(summary));
    }

    // The attempts' figures come from this one pass too: the answers are what takes the time.
    query.exec(QStringLiteral("SELECT attempt, question, is_right, answered FROM answers"
                              " ORDER BY attempt, position"));
    AttemptSummary* summary = nullptr;
    qint64 last_answered = 0;
    const auto close_summary = [&] {
        if (summary && !summary->ended.isValid())
            summary->seconds_used = last_answered - summary->attempt.started.toSecsSinceEpoch();
    };
    while (query.next()) {
        const auto question = index_of.constFind(query.value(1).toLongLong());
        if (question == index_of.constEnd())
            continue;
        const AnswerFact fact{query.value(0).toLongLong(), *question, query.value(2).toBool(),
                              query.value(3).toLongLong()};
        history.answers.push_back(fact);
        if (!summary || summary->id != fact.attempt) {
            close_summary();
            const auto found = summary_of.constFind(fact.attempt);
            summary = found == summary_of.constEnd() ? nullptr : &history.attempts[*found];
            last_answered = 0;
        }
        if (summary) {
            ++summary->answered;
            summary->right += fact.right ? 1 : 0;
            last_answered = std::max(last_answered, fact.answered);
        }
    }
    close_summary();
    for (AttemptSummary& finished : history.attempts) {
        if (finished.ended.isValid())
            finished.seconds_used = finished.attempt.started.secsTo(finished.ended);
        finished.seconds_used = std::max<qint64>(finished.seconds_used, 0);
    }
    // Two programs recording at once interleave their answers in time.
    const auto earlier = [](const AnswerFact& a, const AnswerFact& b) {
        return a.answered < b.answered;
    };
    if (!std::is_sorted(history.answers.begin(), history.answers.end(), earlier))
        std::stable_sort(history.answers.begin(), history.answers.end(), earlier);
    return history;
}
