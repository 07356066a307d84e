#pragma once

namespace zelmora::testing {

// When a test is run under a Spanish locale, that locale must really be in force, with its
// decimal comma: otherwise the test would prove nothing about locale independence. False, with
// a word on the error stream, when it is not.
bool localeIsAsRequested();

}  // namespace zelmora::testing
