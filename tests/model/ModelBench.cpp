#include "tests/model/ModelBench.h"

namespace v32::test {

void ModelBench::pacedTick() {
    clock.advance(PacedSenders::kPaceMs);
    paced.runPacedSenders(clock.nowMs());
}

void ModelBench::answerQueries() {
    for (const SentFrame& frame : sink.framesWith(MSG_PARAM_QUERY)) {
        for (const ParamId id : frame.ids()) {
            model.storeReported(id, model.value(id));
        }
    }
    sink.clear();
}

std::vector<ParamId> ModelBench::readUntilQuiet() {
    std::vector<ParamId> asked;
    // A full read takes 98 passes of 60 identifiers; the bound only stops a runaway loop.
    for (int pass = 0; pass < 1000; ++pass) {
        requests.run();
        const std::vector<SentFrame> queries = sink.framesWith(MSG_PARAM_QUERY);
        if (queries.empty()) {
            break;
        }
        for (const SentFrame& frame : queries) {
            const std::vector<ParamId> ids = frame.ids();
            asked.insert(asked.end(), ids.begin(), ids.end());
        }
        answerQueries();
    }
    return asked;
}

} // namespace v32::test
