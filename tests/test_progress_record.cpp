#include "study/progress_record.h"

#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

QByteArray read_all(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write_all(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// The first value of the statement's result, run on a connection of the test's own; true for a
// statement without one, false when it fails.
QVariant sql(const QString& path, const QString& statement)
{
    QVariant value = false;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), path);
        database.setDatabaseName(path);
        database.open();
        QSqlQuery query(database);
        if (query.exec(statement))
            value = query.next() ? query.value(0) : QVariant(true);
    }
    QSqlDatabase::removeDatabase(path);
    return value;
}

// The number the child printed last: the answers it had committed.
int last_committed(QProcess& child, int committed)
{
    while (child.canReadLine())
        committed = child.readLine().trimmed().toInt();
    return committed;
}

} // namespace

class TestProgressRecord : public QObject {
    Q_OBJECT

private slots:
    // Each refused with a sentence that names it, and left byte for byte as it was.
    void unusable_files_are_kept()
    {
        QTemporaryDir dir;
        const QString good = dir.filePath(QStringLiteral("good"));
        QCOMPARE(QProcess::execute(QStringLiteral(RECORD_WRITER), {good, QStringLiteral("2000")}),
                 0);
        const QByteArray record = read_all(good);
        const qsizetype page = 4096;
        QVERIFY(record.size() >= 10 * page);
        QByteArray garbage = record;
        for (qsizetype i = 3 * page; i < 4 * page; ++i)
            garbage[i] = static_cast<char>(i * 7 + 3);
        const QString foreign = dir.filePath(QStringLiteral("foreign"));
        const QString newer = dir.filePath(QStringLiteral("newer"));
        QVERIFY(sql(foreign, QStringLiteral("CREATE TABLE contacts (name TEXT)")).toBool());
        QFile::copy(good, newer);
        QVERIFY(sql(newer, QStringLiteral("PRAGMA user_version = 3")).toBool());
        for (const auto& [name, bytes, problem] : {
                 std::tuple{"notes.txt", QByteArray("question,answer\n1,B\n"),
                            "is not an SQLite database"},
                 {"truncated", record.left(record.size() / 2), "is damaged"},
                 {"garbage", garbage, "is damaged"},
                 {"foreign", read_all(foreign), "is an SQLite database of another program"},
                 {"newer", read_all(newer), "comes from a newer version"},
             }) {
            const QString path = dir.filePath(QString::fromLatin1(name));
            write_all(path, bytes);
            const RecordOpening opening = open_progress_record(path);
            QVERIFY2(!opening.record, name);
            QVERIFY2(opening.refusal.contains(path) && opening.refusal.contains(problem) &&
                         opening.refusal.contains(QLatin1String("kept as it is")),
                     qPrintable(opening.refusal));
            QVERIFY2(read_all(path) == bytes, name);
            QVERIFY2(!QFileInfo::exists(path + QStringLiteral("-wal")), name);
        }
    }

    // A folder under a plain file cannot be made, not even by root.
    void record_folder()
    {
        QTemporaryDir dir;
        const QString plain = dir.filePath(QStringLiteral("plain"));
        write_all(plain, "a file where a folder would be\n");
        const QString path = plain + QStringLiteral("/orlin/progress.sqlite3");
        const RecordOpening opening = open_progress_record(path);
        QVERIFY(!opening.record);
        QVERIFY2(opening.refusal.contains(path) &&
                     opening.refusal.contains(QLatin1String("cannot be written")),
                 qPrintable(opening.refusal));
        QCOMPARE(read_all(plain), QByteArray("a file where a folder would be\n"));

        // The default one is made with its folder.
        qputenv("XDG_DATA_HOME", dir.path().toUtf8());
        QCoreApplication::setApplicationName(QStringLiteral("orlin-quiz"));
        const QString expected = dir.filePath(QStringLiteral("orlin-quiz/progress.sqlite3"));
        QCOMPARE(default_record_path(), expected);
        QVERIFY(open_progress_record(expected).record);
        QVERIFY(QFileInfo(expected).isFile());
    }

    // A file removed under the running program, or a table gone from it: one sentence, and
    // nothing more is written.
    void a_failed_write_stops_recording()
    {
        const std::function<void(const QString&)> breakings[] = {
            [](const QString& path) {
                for (const char* suffix : {"", "-wal", "-shm"})
                    QFile::remove(path + QLatin1String(suffix));
            },
            [](const QString& path) {
                QCOMPARE(sql(path, QStringLiteral("DROP TABLE questions")), QVariant(true));
            }};
        for (const auto& break_record : breakings) {
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("r"));
            const RecordOpening opening = open_progress_record(path);
            RecordedAnswer answer;
            answer.identity = QByteArray(20, 'q');
            answer.attempt = opening.record->begin_attempt(AttemptStart{});
            break_record(path);
            for (const int position : {1, 2}) {
                answer.position = position;
                QVERIFY(!opening.record->add_answer(answer));
            }
            QVERIFY2(opening.record->fault().contains(path), qPrintable(opening.record->fault()));
        }
    }

    // A version 1 file, written here from that layout: identities in the rows themselves.
    void version_1_is_brought_up_to_date()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("v1"));
        const auto identity = [](int n) { return QByteArray(20, static_cast<char>(n)); };
        const auto blob = [&](int n) { return QStringLiteral("x'%1'").arg(identity(n).toHex()); };
        for (const QString& statement : {
                 QStringLiteral("PRAGMA application_id = 1332898897"),
                 QStringLiteral("PRAGMA user_version = 1"),
                 QStringLiteral("CREATE TABLE attempts (id INTEGER PRIMARY KEY, started, ended,"
                                " ending, bank, bank_title, kind, show_when_right, show_when_wrong,"
                                " shuffle_questions, shuffle_answers, minutes)"),
                 QStringLiteral("CREATE TABLE attempt_questions (attempt, position, record,"
                                " identity, PRIMARY KEY (attempt, position)) WITHOUT ROWID"),
                 QStringLiteral("CREATE TABLE answers (attempt, position, record, identity, shown,"
                                " pressed, typed, is_right, seconds, answered,"
                                " PRIMARY KEY (attempt, position)) WITHOUT ROWID"),
                 QStringLiteral("INSERT INTO attempts VALUES (1, 1740990000, 1740990600,"
                                " 'finished', 'file: Lab', 'Lab', 'Quiz 2', 1, 0, 1, 0, 45),"
                                " (2, 1741080000, NULL, NULL, 'file: Lab', 'Lab', 'Retake',"
                                " 0, 1, 0, 1, 0)"),
                 QStringLiteral("INSERT INTO attempt_questions VALUES (1, 1, 2, %1),"
                                " (1, 2, 6, %2), (1, 3, 10, %3), (2, 1, 6, %2)")
                     .arg(blob(2), blob(6), blob(10)),
                 QStringLiteral("INSERT INTO answers VALUES"
                                " (1, 1, 2, %1, '213456', 'B', '', 1, 12, 1740990100),"
                                " (1, 2, 6, %2, '123456', 'AC', '', 0, 30, 1740990200),"
                                " (2, 1, 6, %2, '123456', '', 'ospf', 1, 7, 1741080100)")
                     .arg(blob(2), blob(6)),
             })
            QVERIFY2(sql(path, statement).toBool(), qPrintable(statement));
        const RecordOpening opening = open_progress_record(path);
        QVERIFY2(opening.record, qPrintable(opening.refusal));
        const ProgressRecord& record = *opening.record;
        // Id, kind, end, answered, right, seconds used, minutes, shuffled questions.
        using Summary = std::tuple<qint64, QString, QuizEnd, int, int, qint64, int, bool>;
        std::vector<Summary> summaries;
        for (const AttemptSummary& s : record.history().attempts)
            summaries.emplace_back(s.id, s.attempt.kind, s.end, s.answered, s.right, s.seconds_used,
                                   s.attempt.minutes, s.attempt.shuffle_questions);
        QCOMPARE(summaries,
                 (std::vector<Summary>{{2, "Retake", QuizEnd::Running, 1, 1, 100, 0, false},
                                       {1, "Quiz 2", QuizEnd::Finished, 2, 1, 600, 45, true}}));
        QCOMPARE(record.attempt(1).records, (std::vector<int>{2, 6, 10}));
        QCOMPARE(record.attempt(1).identities,
                 (std::vector<QByteArray>{identity(2), identity(6), identity(10)}));
        const RecordedAnswer first = record.answers(1).at(0);
        QCOMPARE(std::tuple(first.record_number, first.identity, first.right, first.seconds,
                            first.order[1], first.pressed[2], first.pressed[1]),
                 std::tuple(2, identity(2), true, 12, std::int16_t{2}, true, false));
        QCOMPARE(record.answers(2).at(0).typed, QStringLiteral("ospf"));
        QCOMPARE(sql(path, QStringLiteral("PRAGMA user_version")).toInt(), 2);
    }

    // Killed at several moments, from opening on: the file passes SQLite's integrity check and
    // holds every answer the writer reported committed. Then two record into it at once.
    void killed_or_two_at_once()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("r"));
        for (const int kill_after : {-1, 0, 1, 40, 250}) {
            QProcess child;
            child.start(QStringLiteral(RECORD_WRITER), {path, QStringLiteral("1000000")});
            QVERIFY(child.waitForStarted());
            int committed = -1;
            while (committed < kill_after) {
                QVERIFY2(child.waitForReadyRead(10000), child.readAllStandardError().constData());
                committed = last_committed(child, committed);
            }
            child.kill();
            QVERIFY(child.waitForFinished());
            committed = last_committed(child, committed);
            QCOMPARE(sql(path, QStringLiteral("PRAGMA integrity_check")).toString(),
                     QStringLiteral("ok"));
            const QString held = QStringLiteral("SELECT count(*) FROM answers WHERE position <= %1"
                                                " AND attempt = (SELECT max(id) FROM attempts)");
            QCOMPARE(sql(path, held.arg(committed)).toInt(), std::max(committed, 0));
        }

        // Two at once on the file the kills left: each of their answers is there.
        QProcess first;
        QProcess second;
        for (QProcess* child : {&first, &second})
            child->start(QStringLiteral(RECORD_WRITER), {path, QStringLiteral("300")});
        for (QProcess* child : {&first, &second}) {
            QVERIFY(child->waitForFinished(60000));
            QVERIFY2(child->exitCode() == 0, child->readAllStandardError().constData());
            QCOMPARE(last_committed(*child, 0), 300);
        }
        const QString last_two =
            QStringLiteral("SELECT count(*) FROM answers WHERE attempt IN"
                           " (SELECT id FROM attempts ORDER BY id DESC LIMIT 2)");
        QCOMPARE(sql(path, last_two).toInt(), 600);
    }
};

QTEST_GUILESS_MAIN(TestProgressRecord)
#include "test_progress_record.moc"
