#pragma once

#include "bank/record_check.h"

#include <QByteArray>

// Moodle XML is told from GIFT and Aiken by its opening: "<?xml" or "<quiz>" before anything but
// blanks.
bool looks_like_xml(QByteArrayView text);

// The questions of a Moodle XML file, given as its bytes, or the fault that leaves none of it
// readable: XML that is not well-formed, a document type declaration, an encoding other than UTF-8,
// an element too deep or with too many attributes, an element in <quiz> other than <question>, a
// question of too many elements or attributes, too many references such as &amp;, more
// categories than a bank has questions.
struct XmlQuestions {
    TextQuestions questions;
    QString fault;
};

// Multiple choice (one or several right), true/false and short answer questions become records;
// every other kind, and any question that embeds a picture or breaks a record's rules, becomes a
// problem naming the question and its line. Reading stops past the largest usable bank.
XmlQuestions read_xml(const QByteArray& text);
