#pragma once

#include "study/study_session.h"

#include <QString>

// The Progress window as a document: its heading, the attempts, the chapters and, where the
// rich text names it, the plot as the image "plot". Rich text (HTML), the texts escaped.
QString progress_report(const ProgressFigures& figures);

// The attempts for a spreadsheet: a header line, then one line an attempt, newest first.
QString attempts_csv(const std::vector<AttemptRow>& attempts);
