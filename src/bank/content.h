#pragma once

#include <array>
#include <span>

// One built-in question as the content files write it; load_bank turns it into a QuestionRecord.
// Unused slots of the arrays stay null.
struct ContentEntry {
    std::array<const char*, 6> question;     // lines of the question text
    std::array<const char*, 6> choices;      // choice A first
    const char* correct;                     // letters of the correct choices, such as "C" or "BD"
    std::array<const char*, 13> explanation; // lines of the explanation
};

// Quiz k holds bank records k, k + 4, k + 8, ... in this order.
std::span<const ContentEntry> quiz_1_content();
std::span<const ContentEntry> quiz_2_content();
std::span<const ContentEntry> quiz_3_content();
std::span<const ContentEntry> quiz_4_content();
