#include "engine/ReplyEngine.h"

#include "engine/BranchSearch.h"
#include "engine/Cp1251.h"
#include "engine/Learning.h"
#include "engine/MainLookup.h"
#include "engine/PhrasePreparation.h"
#include "engine/ProgramFiles.h"

ReplyEngine::ReplyEngine(LineFiles files, Random& random)
    : RE2_(std::move(files)), random_(random) {}

void ReplyEngine::SpeakClick(TurnSurroundings& surroundings) {
    random_.reseed();
    const std::string phrase = takePhrase(surroundings);
    if (phrase.empty()) {
        return; // nothing to answer: no echo, no log line, nothing learned or written
    }
    // The turn reads the base and may write it back with what it learned: another copy on the
    // same folder waits meanwhile, so neither writes back a file without the other's lines.
    const BaseLock hold = RE2_.files().lockBase(programfiles::Words);
    state_.UserPhrase = phrase;
    const std::string EarlierLine = surroundings.earlierLine();
    surroundings.setBusyCursor(true);
    source_ = ReplySource{};
    state_.UserPhrase = preparePhrase(state_.UserPhrase);
    surroundings.playPhraseCue();
    surroundings.echoPhrase(state_.UserPhrase);
    const std::string echoedPhrase = state_.UserPhrase;

    chooseReply(surroundings, EarlierLine, echoedPhrase);

    surroundings.playReplyCue();
    surroundings.showReply(state_.CpuReply);
    surroundings.setBusyCursor(false);
    followUpRemark(surroundings);
    if (surroundings.cpuCpuMode()) {
        surroundings.writeExchange(state_.CpuReply);
    }
    state_.PrevReply = state_.CpuReply;
    surroundings.clearInput();
    state_.IdleTicks = 0;
}

std::string ReplyEngine::takePhrase(const TurnSurroundings& surroundings) const {
    std::string phrase;
    if (surroundings.cpuUserMode()) {
        phrase = surroundings.inputText();
    }
    if (surroundings.cpuCpuMode()) {
        phrase = surroundings.exchangeFirstLine();
    }
    return phrase;
}

void ReplyEngine::chooseReply(TurnSurroundings& surroundings, const std::string& EarlierLine,
                              const std::string& echoedPhrase) {
    if (repeatTest(EarlierLine) || firstGuard()) {
        return;
    }
    const bool LearnBlocked = guards_.secondGuardHit(state_.UserPhrase) >= 0;
    if (longPhrase()) {
        return;
    }
    if (state_.BranchDepth >= 1 && branchSearch()) {
        return;
    }
    if (mainLookup(surroundings)) {
        return;
    }
    fallbackAndLearning(LearnBlocked, echoedPhrase);
}

bool ReplyEngine::repeatTest(const std::string& EarlierLine) {
    if (cp1251::upper(state_.UserPhrase) != cp1251::upper(EarlierLine)) {
        return false;
    }
    answerFromFile(ReplySource::Stage::Repeat, programfiles::Povtor);
    return true;
}

bool ReplyEngine::firstGuard() {
    if (guards_.firstGuardHit(state_.UserPhrase) < 0) {
        return false;
    }
    answerFromFile(ReplySource::Stage::Guard, programfiles::X);
    RE2_.load(programfiles::Collection);
    RE2_.lines().append(">>> " + state_.UserPhrase);
    RE2_.save(programfiles::Collection);
    return true;
}

bool ReplyEngine::longPhrase() {
    const int draw = random_.random(6) + 1;
    const bool looksAtLength = draw != 2 && draw != 6;
    if (!looksAtLength || state_.UserPhrase.size() < kLongPhrase) {
        return false;
    }
    answerFromFile(ReplySource::Stage::LongPhrase, programfiles::BigString);
    return true;
}

bool ReplyEngine::branchSearch() {
    const auto reply = BranchSearch(RE2_, random_).continueBranch(state_.UserPhrase, state_);
    if (!reply) {
        return false;
    }
    state_.CpuReply = *reply;
    source_ = {ReplySource::Stage::Branch, programfiles::Words, state_.ContextLine};
    return true;
}

bool ReplyEngine::mainLookup(TurnSurroundings& surroundings) {
    const auto answer = MainLookup(RE2_, random_).find(state_.UserPhrase);
    if (!answer) {
        return false;
    }
    state_.BranchDepth += 1;
    state_.ContextLine = answer->line;
    surroundings.setFarewellTimer(answer->farewell);
    state_.CpuReply = answer->reply;
    source_ = {answer->wordByWord ? ReplySource::Stage::WordByWord
                                  : ReplySource::Stage::WholePattern,
               programfiles::Words, answer->line};
    return true;
}

void ReplyEngine::fallbackAndLearning(bool LearnBlocked, const std::string& echoedPhrase) {
    Learning learning(RE2_, random_);
    int line = 0;
    state_.CpuReply = learning.fallbackReply(state_.UserPhrase, line);
    source_ = {ReplySource::Stage::Fallback, Learning::fallbackList(state_.UserPhrase), line};
    if (LearnBlocked || !safeToLearn(state_.UserPhrase)) {
        return;
    }
    learning.learn(state_.UserPhrase, echoedPhrase, state_.PrevReply);
}

// One in three replies is followed by a remark; the work list is left holding its file.
void ReplyEngine::followUpRemark(TurnSurroundings& surroundings) {
    if (random_.random(3) + 1 == 1) {
        surroundings.setFollowUpTimer(true);
        RE2_.load(programfiles::AI);
    } else {
        surroundings.setFollowUpTimer(false);
    }
}

void ReplyEngine::answerFromFile(ReplySource::Stage stage, const char* file) {
    const int line = RE2_.loadAndPick(file, random_, state_.CpuReply);
    source_ = {stage, file, line};
}

// A phrase holding the base's markup would, learned unchanged, plant reply alternatives or branch
// lines into the base. It can only arrive through the exchange file or by typing faster than the
// input line wipes it; it is answered, but not learned.
bool ReplyEngine::safeToLearn(const std::string& phrase) {
    return phrase.find_first_of("^;") == std::string::npos && (phrase.empty() || phrase[0] != '_');
}
