#pragma once

#include "bank/record_check.h"

// Moodle XML is told from GIFT and Aiken by its opening: "<?xml" or "<quiz>" before anything but
// blanks.
bool looks_like_xml(const QString& text);

// The questions of a Moodle XML text, or the fault that leaves none of it readable: XML that is
// not well-formed, a document type declaration, an element too deep or with too many attributes.
struct XmlQuestions {
    TextQuestions questions;
    QString fault;
};

// Multiple choice (one or several right), true/false and short answer questions become records;
// every other kind, and any question that embeds a picture or breaks a record's rules, becomes a
// problem naming the question and its line. Reading stops past the largest usable bank.
XmlQuestions read_xml(const QString& text);
