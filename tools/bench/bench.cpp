// Prints the program's start-up, memory and speed against their goals. Not a test: timings
// depend on the machine, so `make bench` prints them for a person to read.
#include "child_run.h"
#include "hostile_files.h"
#include "program_bench.h"
#include "stats.h"
#include "study_bench.h"

#include "app/program.h"
#include "bank/question_bank.h"
#include "shell/form_ref.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int start_runs = 21;
constexpr int next_count = 10000;
constexpr int load_bank_runs = 1000;
constexpr int exhibit_runs = 5;
constexpr int bank_file_runs = 21;
constexpr int gift_questions = 800;
constexpr int xml_questions = 800;
constexpr int review_runs = 21;
constexpr int review_graded = 200;
constexpr int study_attempts = 1000;
constexpr int study_answers = 50;
constexpr int study_runs = 11;
// A reader slower than this has missed its goal many times over.
constexpr double hostile_limit_seconds = 10;

struct Row {
    std::string measure;
    std::string result;
    std::string goal;
    std::string met; // yes, NO, or - for a row that only explains another
};

std::string verdict(bool met)
{
    return met ? "yes" : "NO";
}

template <class... Values>
std::string format(const char* pattern, Values... values)
{
    char text[160];
    std::snprintf(text, sizeof text, pattern, values...);
    return text;
}

void print_table(const std::vector<Row>& rows)
{
    std::size_t widths[3] = {7, 6, 4};
    for (const Row& row : rows) {
        widths[0] = std::max(widths[0], row.measure.size());
        widths[1] = std::max(widths[1], row.result.size());
        widths[2] = std::max(widths[2], row.goal.size());
    }
    const auto line = [&](const std::string& a, const std::string& b, const std::string& c,
                          const std::string& d) {
        std::printf("| %-*s | %-*s | %-*s | %-4s |\n", static_cast<int>(widths[0]), a.c_str(),
                    static_cast<int>(widths[1]), b.c_str(), static_cast<int>(widths[2]), c.c_str(),
                    d.c_str());
    };
    line("measure", "result", "goal", "met");
    line(std::string(widths[0], '-'), std::string(widths[1], '-'), std::string(widths[2], '-'),
         "----");
    for (const Row& row : rows)
        line(row.measure, row.result, row.goal, row.met);
}

struct StartUp {
    std::string path;
    std::string argument;
    std::vector<double> seconds;
    std::vector<double> max_rss_kb;
};

std::string ratio_text(double seconds, double base_seconds)
{
    return format("%.2f  (%.1f / %.1f ms)", seconds / base_seconds, seconds * 1e3,
                  base_seconds * 1e3);
}

std::string memory_text(double kb, double base_kb)
{
    return format("%+.1f MiB  (%.1f / %.1f MiB)", (kb - base_kb) / 1024, kb / 1024, base_kb / 1024);
}

// The children take turns, so a slow spell of the machine hits them all alike.
void add_start_up_rows(std::vector<Row>& rows, const std::string& folder,
                       const std::string& platform)
{
    StartUp welcome{folder + "/bench_start_welcome", {}, {}, {}};
    StartUp study{folder + "/bench_start_welcome", "study", {}, {}};
    StartUp empty{folder + "/bench_start_empty", {}, {}, {}};
    StartUp label{folder + "/bench_start_empty", "label", {}, {}};
    std::vector<StartUp*> children{&welcome, &study, &empty, &label};
    // Unmeasured first runs fill the file-system and font caches.
    for (const StartUp* child : children)
        run_child(child->path, platform, child->argument);
    for (int i = 0; i < start_runs; ++i) {
        for (StartUp* child : children) {
            const ChildRun run = run_child(child->path, platform, child->argument);
            if (!run.ok) {
                std::fprintf(stderr, "failed: QT_QPA_PLATFORM=%s %s %s\n", platform.c_str(),
                             child->path.c_str(), child->argument.c_str());
                std::exit(1);
            }
            child->seconds.push_back(run.seconds);
            child->max_rss_kb.push_back(static_cast<double>(run.max_rss_kb));
        }
    }
    const double w = median(welcome.seconds), e = median(empty.seconds), l = median(label.seconds);
    const double w_kb = median(welcome.max_rss_kb), e_kb = median(empty.max_rss_kb),
                 l_kb = median(label.max_rss_kb);
    rows.push_back({"start-up to first frame, " + platform + " (welcome / empty window)",
                    ratio_text(w, e), "ratio <= 1.25", verdict(w / e <= 1.25)});
    rows.push_back({"  the same against a window with one text label", ratio_text(w, l), "", "-"});
    rows.push_back({"peak memory, " + platform + " (welcome / empty window)",
                    memory_text(w_kb, e_kb), "<= +5 MiB", verdict(w_kb - e_kb <= 5 * 1024)});
    rows.push_back(
        {"  the same against a window with one text label", memory_text(w_kb, l_kb), "", "-"});
    const double s_ms = (median(study.seconds) - w) * 1e3;
    rows.push_back({"start-up to first frame, " + platform + ", with --study against without",
                    format("%+.1f ms", s_ms), "< 10 ms", verdict(s_ms < 10)});
}

void add_load_bank_row(std::vector<Row>& rows)
{
    const double load = median(time_load_bank(load_bank_runs));
    rows.push_back({format("load_bank (median of %d)", load_bank_runs),
                    format("%.3f ms", load * 1e3), "< 1 ms", verdict(load < 1e-3)});
}

// A file's loads against their goal: a miss when the file was refused or no load was timed.
void add_file_row(std::vector<Row>& rows, const std::string& file, const BankFileTimes& load,
                  double goal_seconds)
{
    const std::string goal = format("< %.0f ms", goal_seconds * 1e3);
    if (!load.refusal.empty() || load.seconds.empty()) {
        rows.push_back(
            {file + ": not read", load.refusal.empty() ? "-" : load.refusal, goal, verdict(false)});
        return;
    }
    const double t = median(load.seconds);
    rows.push_back({format("%s, %.2f MB, to a filled bank (median of %d)", file.c_str(),
                           static_cast<double>(load.bytes) / 1e6, bank_file_runs),
                    format("%.1f ms", t * 1e3), goal, verdict(t < goal_seconds)});
}

// The value below which `share` of the values lie.
double percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))];
}

void add_next_rows(std::vector<Row>& rows)
{
    const NextTimes next = time_next(next_count, false);
    const double handler = median(next.handler), painted = median(next.with_paint);
    rows.push_back({format("NEXT, median of %d, offscreen", next_count),
                    format("%.3f ms  (%d graded right)", handler * 1e3, next.graded_right),
                    "< 1 ms", verdict(handler < 1e-3)});
    rows.push_back({"  NEXT and its repaint, same run", format("%.3f ms", painted * 1e3), "", "-"});
    const NextTimes recorded = time_next(next_count, true);
    const double added = median(recorded.handler) - handler;
    rows.push_back({"NEXT with --study, each answer committed to the record",
                    format("%+.3f ms  (99th percentile %.3f ms)", added * 1e3,
                           percentile(recorded.handler, 0.99) * 1e3),
                    "< 2 ms added", verdict(added < 2e-3)});
}

void add_review_row(std::vector<Row>& rows)
{
    const double t = median(time_review(review_graded, review_runs));
    rows.push_back(
        {format("Review window after %d graded questions, to its first paint", review_graded),
         format("%.1f ms", t * 1e3), "< 50 ms", verdict(t < 50e-3)});
}

void add_exhibit_rows(std::vector<Row>& rows)
{
    double previous = 0;
    int previous_mb = 0;
    // 16 MiB is the largest exhibit the program opens.
    for (const int megabytes : {1, 4, 16}) {
        const double t = median(time_exhibit(megabytes, exhibit_runs));
        const bool last = megabytes == 16;
        // Linear: n times the size takes at most about n times as long.
        const bool linear = megabytes == 1 || t / previous <= 1.25 * megabytes / previous_mb;
        const bool met = linear && (!last || t < 0.5);
        rows.push_back({format("open an exhibit of %d MiB, to its first paint", megabytes),
                        format("%.0f ms  (%.1f ms per MiB)", t * 1e3, t * 1e3 / megabytes),
                        last ? "linear, < 500 ms" : "linear", verdict(met)});
        previous = t;
        previous_mb = megabytes;
    }
}

void add_study_rows(std::vector<Row>& rows)
{
    const StudyTimes study = time_study(study_attempts, study_answers, study_runs);
    if (!study.refusal.empty() || study.figures.empty()) {
        rows.push_back({"progress record: not made", study.refusal.empty() ? "-" : study.refusal,
                        "-", verdict(false)});
        return;
    }
    const double add = median(study.add_answer);
    rows.push_back(
        {format("record one answer, with its commit (median of %zu)", study.add_answer.size()),
         format("%.3f ms  (99th percentile %.3f ms)", add * 1e3,
                percentile(study.add_answer, 0.99) * 1e3),
         "< 2 ms", verdict(add < 2e-3)});
    rows.push_back({"a year of daily study on disk (365 quizzes of 56 answers)",
                    format("%.2f MB", static_cast<double>(study.year_bytes) / 1e6), "< 5 MB",
                    verdict(study.year_bytes < 5'000'000)});
    const double open = median(study.open);
    const double figures = median(study.figures);
    rows.push_back({format("open a record of %d attempts and %d answers (median of %d)",
                           study_attempts, study_attempts * study_answers, study_runs),
                    format("%.1f ms", open * 1e3), "after the welcome window shows", "-"});
    rows.push_back(
        {"  read it and compute every progress figure",
         format("%.1f ms  (processor %.1f ms)", figures * 1e3, median(study.figures_cpu) * 1e3),
         "< 50 ms", verdict(figures < 50e-3)});
    const double window = median(study.window);
    rows.push_back({"  the Progress window on it, to its first paint",
                    format("%.1f ms", window * 1e3), "< 100 ms", verdict(window < 100e-3)});
}

// Each hostile file read or refused in a process of its own, so that its peak memory is its own.
void add_hostile_rows(std::vector<Row>& rows, const std::string& folder)
{
    QTemporaryDir dir;
    for (const HostileFile& hostile : hostile_files()) {
        const QString path = dir.filePath(QString::fromLatin1(hostile.name));
        QFile file(path);
        const QByteArray bytes = hostile_bytes(hostile);
        const std::string measure = format("16 MiB bank file: %s", hostile.what);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
            !file.flush()) {
            rows.push_back({measure, "cannot be written", "", verdict(false)});
            continue;
        }
        file.close();
        const TimedRun run =
            run_timed(folder + "/bench_read_bank", path.toStdString(), hostile_limit_seconds);
        // The child's own count when it gets to give it; the kernel's also holds this process.
        const long own_kb = std::atol(run.output.c_str());
        const double mib = static_cast<double>(own_kb > 0 ? own_kb : run.max_rss_kb) / 1024;
        const std::string result = run.finished
                                       ? format("%.2f s, %.0f MiB", run.seconds, mib)
                                       : format("stopped at %.1f s, %.0f MiB", run.seconds, mib);
        rows.push_back({measure, result, "< 1 s, < 256 MiB",
                        verdict(run.finished && run.seconds < 1 && mib < 256)});
        QFile::remove(path);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    const bool has_display = std::getenv("DISPLAY") && *std::getenv("DISPLAY");
    // The program's own routines are timed here, headless.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    prepare_application(app);
    record_program_end_only();
    const std::string folder = QCoreApplication::applicationDirPath().toStdString();

    // Parts may be named to run only those, as when profiling one: start load_bank next exhibit.
    const QStringList asked = QCoreApplication::arguments().mid(1);
    const auto wanted = [&asked](const char* part) {
        return asked.isEmpty() || asked.contains(QLatin1String(part));
    };

    std::vector<Row> rows;
    if (wanted("start")) {
        add_start_up_rows(rows, folder, "offscreen");
        if (has_display)
            add_start_up_rows(rows, folder, "xcb");
    }
    if (wanted("load_bank"))
        add_load_bank_row(rows);
    if (wanted("bank_file"))
        add_file_row(rows, format("bank file of %d records", max_question_count),
                     time_bank_file(bank_file_runs), 20e-3);
    if (wanted("gift_file"))
        add_file_row(rows, format("GIFT file of %d questions", gift_questions),
                     time_gift_file(gift_questions, bank_file_runs), 30e-3);
    if (wanted("xml_file"))
        add_file_row(rows, format("Moodle XML file of %d questions", xml_questions),
                     time_xml_file(xml_questions, bank_file_runs), 100e-3);
    if (wanted("hostile"))
        add_hostile_rows(rows, folder);
    if (wanted("next"))
        add_next_rows(rows);
    if (wanted("exhibit"))
        add_exhibit_rows(rows);
    if (wanted("review"))
        add_review_row(rows);
    if (wanted("study"))
        add_study_rows(rows);
    std::printf("Medians; start-up and memory over %d runs of each child process.\n\n", start_runs);
    print_table(rows);
    FormSlot::discard_all();
    return 0;
}
