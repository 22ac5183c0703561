#pragma once

#include <string>

// What the reply engine carries from one turn to the next. Windows-1251 text.
struct EngineState {
    std::string UserPhrase; // the phrase of the current or last turn, prepared
    std::string CpuReply;   // the reply of the current or last turn (remarks write it too)
    std::string PrevReply;  // the reply shown at the end of the previous completed turn
    int BranchDepth = 0;    // leading "_" a line needs to continue the open branch; 0: none open
    int ContextLine = 0;    // the Words line that gave the last reply from the base
    int IdleTicks = 0;      // idle-timer ticks since the last turn
};
