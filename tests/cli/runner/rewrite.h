#pragma once

#include <string>
#include <vector>

#include "case_runner.h"
#include "transcript.h"

namespace qxt {

struct StepUpdate {
  const Step* step;
  const StepActual* actual;
};

// The text of `file` with the expectations of the given steps (stdout,
// stderr, file and status sections) replaced by what the steps actually
// did. Everything else stays as written: headers, comments, stdin sections,
// steps that are not updated. A step that did not exit normally (crash,
// timeout) keeps its expectations, since there is no result to record, and
// so does a file check whose file was not written.
std::string rewriteTranscript(const TranscriptFile& file, std::vector<StepUpdate> updates);

}  // namespace qxt
