#pragma once

#include <QtGlobal>

// A recoverable assertion: where an invariant of the program does not hold,
// the failed condition and its place go to the diagnostic log (category
// "invariant", level error) and the given way out is taken, so the author
// keeps working while the fault is on record.
//
//     LW_ASSERT(row >= 0, return false);
//     LW_ASSERT(item, continue);
//
// Never aborts, in any build.
#define LW_ASSERT(condition, action)                                                                                   \
    if (Q_LIKELY(condition)) {                                                                                         \
    } else {                                                                                                           \
        ::lwAssertFailed(#condition, __FILE__, __LINE__);                                                              \
        action;                                                                                                        \
    }                                                                                                                  \
    do {                                                                                                               \
    } while (0)

// Writes the record of a failed LW_ASSERT; use the macro instead.
void lwAssertFailed(const char *condition, const char *file, int line);
