#pragma once

#include "engine/EngineState.h"
#include "engine/GuardLists.h"
#include "engine/LineFiles.h"
#include "engine/Random.h"
#include "engine/ReplySource.h"
#include "engine/TurnSurroundings.h"
#include "engine/WorkList.h"

#include <string>

// The reply engine: one turn takes a phrase, prepares and shows it, chooses a reply through a fixed
// cascade (repeat, guard lists, long phrase, open branch, main lookup, fallback with learning),
// shows the reply and leaves the state the next turn and the timers need.
class ReplyEngine {
public:
    ReplyEngine(LineFiles files, Random& random);

    // One reply turn. A file that cannot be read or written throws FileError at that step; what was
    // done before it stays done.
    void SpeakClick(TurnSurroundings& surroundings);

    EngineState& state() { return state_; }
    const EngineState& state() const { return state_; }
    WorkList& workList() { return RE2_; }
    const GuardLists& guards() const { return guards_; }
    Random& random() { return random_; }
    // Where the last turn's reply came from.
    const ReplySource& lastSource() const { return source_; }

    // A phrase longer than this, end punctuation included, may get a long-phrase reply.
    static constexpr std::size_t kLongPhrase = 110;

private:
    std::string takePhrase(const TurnSurroundings& surroundings) const;
    void chooseReply(TurnSurroundings& surroundings, const std::string& EarlierLine,
                     const std::string& echoedPhrase);
    bool repeatTest(const std::string& EarlierLine);
    bool firstGuard();
    bool longPhrase();
    bool branchSearch();
    bool mainLookup(TurnSurroundings& surroundings);
    void fallbackAndLearning(bool LearnBlocked, const std::string& echoedPhrase);
    void followUpRemark(TurnSurroundings& surroundings);
    void answerFromFile(ReplySource::Stage stage, const char* file);

    static bool safeToLearn(const std::string& phrase);

    WorkList RE2_;
    Random& random_;
    GuardLists guards_;
    EngineState state_;
    ReplySource source_;
};
